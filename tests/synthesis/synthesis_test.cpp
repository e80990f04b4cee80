// Segments: the shapes, the equation, and the New Segment, Equation and combine dialogs.
#include <gtest/gtest.h>

#include <cmath>

#include "model/Scale.h"
#include "model/ScriptedPrompter.h"
#include "model/VoltsText.h"
#include "support/Prompts.h"
#include "synthesis/CombineForm.h"
#include "synthesis/Equation.h"
#include "synthesis/EquationForm.h"
#include "synthesis/Generators.h"
#include "synthesis/NewSegmentForm.h"
#include "synthesis/SegmentPreview.h"
#include "synthesis/ShapeMaths.h"
#include "synthesis/ShapeTable.h"

namespace tlv {
namespace {
using test::FillWaveform;
using test::Messages;
using Op = CombineOperation;

ShapeParameters Make(int kind, double cycles = 1, double phase = 0, double points = 2000, double duty = 0.5)
{
    return {.kind = kind, .points = points, .cycles = cycles, .phase = phase, .amplitude = 5000,
            .offset = 0, .damp = kind == Shape::DampedSine ? -0.5 : -0.1, .duty = duty};
}

std::vector<double> Values(const ShapeParameters& s, int limit = 16384)
{
    return ShapeMillivolts(s, limit, [] { return 0.5; });
}

TEST(ShapeMaths, PointsOfEachShape)
{
    const ShapeParameters square = Make(Shape::Square, 1, 180, 2000, 0.25);
    const struct {
        ShapeParameters shape;
        int index;
        double millivolts, tolerance;
    } cases[] = {
        // 6.283185308 is a little above 2 pi: half a period lands just past the zero crossing.
        {Make(Shape::Sine), 1000, -2.051034e-6, 1e-11}, {Make(Shape::Sine, 1, 90), 0, 5000, 1e-6},
        // The low half comes first from 180 degrees whatever the duty cycle.
        {square, 999, -5000, 0}, {square, 1499, 5000, 0}, {square, 1500, -5000, 0},
        {Make(Shape::Triangle, 1, 45), 0, 2500, 0}, {Make(Shape::Triangle, 1, 270), 0, -5000, 0},
        // An exponential's cycle ends before its end point, a Ramp's on it.
        {Make(Shape::ExpFall, 2), 1000, 5000, 0}, {Make(Shape::Ramp, 2), 1000, 5000, 0},
    };
    for (const auto& c : cases) {
        std::vector<double> v = Values(c.shape);
        ASSERT_EQ(v.size(), 2000u) << c.shape.kind;
        EXPECT_NEAR(v[static_cast<size_t>(c.index)], c.millivolts, c.tolerance)
            << "kind " << c.shape.kind << " phase " << c.shape.phase << " point " << c.index;
    }
}

TEST(ShapeMaths, CycleShapesNeedSaneCyclesAndPhase)
{
    for (int kind = Shape::Noise; kind <= Shape::DampedSine; ++kind) {
        const bool walked = kind != Shape::Sine && kind != Shape::DampedSine && kind != Shape::Noise &&
                            kind != Shape::Dc;
        const size_t none = walked ? 0 : 2000;
        EXPECT_EQ(Values(Make(kind, 1, -1)).size(), none) << kind;
        EXPECT_EQ(Values(Make(kind, 1, 361)).size(), none) << kind;
        EXPECT_EQ(Values(Make(kind, 1, 360)).size(), 2000u) << kind;
        // No cycles or far too many: nothing rather than a walk without end.
        for (double cycles : {0.0, -1.0, 1e12})
            EXPECT_EQ(Values(Make(kind, cycles)).size(), none) << kind << " " << cycles;
        EXPECT_EQ(Values(Make(kind, 1, 0, 1e9), 16384).size(), 16384u) << kind;
        EXPECT_TRUE(Values(Make(kind, 1, 0, -5)).empty()) << kind;
    }
    EXPECT_EQ(Values(Make(Shape::Ramp, 2048, 0, 16)).size(), 16u);
}

TEST(ShapeMaths, NoiseSpansTheAmplitudeAboutTheOffsetAndClipsAtFiveVolts)
{
    ShapeParameters noise = Make(Shape::Noise, 1, 0, 4);
    noise.offset = 1000;
    EXPECT_EQ(ShapeMillivolts(noise, 100, [] { return 0.75; }), std::vector<double>(4, 3500));
    EXPECT_EQ(ShapeMillivolts(noise, 100, [] { return 0.0; }), std::vector<double>(4, -4000));
    EXPECT_EQ(ClipMillivolts(6000), 5000);
    EXPECT_EQ(ClipMillivolts(-7000), -5000);
    EXPECT_EQ(ClipMillivolts(std::nan("")), 0);
    UniformSource source = FreshNoiseSource();  // two segments' draws differ: NoiseIsUniformAndIndependent
    for (int i = 0; i < 1000; ++i) {
        const double x = source();
        ASSERT_TRUE(x >= 0 && x < 1) << x;
    }
}

std::variant<EquationSegment, EquationError> Evaluate(const QString& expression, int points,
                                                      UniformSource noise = FreshNoiseSource())
{
    Equation equation(std::move(noise));
    if (auto error = equation.compile(expression))
        return *error;
    return equation.evaluate(points);
}

// std::get throws, and so fails the test, when the equation gave the other result.
std::vector<double> Volts(const QString& expression, int points)
{
    return std::get<EquationSegment>(Evaluate(expression, points)).volts;
}

EquationError Error(const QString& expression, int points = 1000)
{
    return std::get<EquationError>(Evaluate(expression, points));
}

TEST(Equation, VariablesConstantsAndFunctions)
{
    const struct {
        const char* expression;
        int points, n;
        double volts;
    } cases[] = {
        {"n", 5, 4, 4}, {"N", 4, 3, 4}, {"t", 8, 2, 0.25}, {"pi", 1, 0, M_PI}, {"n < 2 ? 1 : -1", 4, 2, -1},
        {"sin(pi/2) + cos(0) + tan(pi/4)", 1, 0, 3}, {"log(e*e)", 1, 0, 2},
        {"exp(1) - e + sqrt(4) + abs(-1.5) + sawtooth(0.75)", 1, 0, 4}, {"floor(-0.5) + floor(2.5)", 1, 0, 1},
        {"sign(-3) + 2*sign(0) + 4*sign(2)", 1, 0, 3}, {"square(0.49999) - square(0.5) + square(1)", 1, 0, 3},
        {"triangle(0.25) + triangle(0.5) - triangle(0.75)", 1, 0, 2}, {"min(3, -2, 4) + max(1, 2)", 1, 0, 0},
        // The periodic functions start their period where the shapes of the same name do (a
        // sawtooth where a Ramp does), and negative arguments continue the period.
        {"sawtooth(0)", 1, 0, -1}, {"triangle(0.125)", 1, 0, 0.5}, {"square(-0.25)", 1, 0, -1},
        {"triangle(-0.25)", 1, 0, -1}, {"sawtooth(-0.25)", 1, 0, 0.5},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Volts(c.expression, c.points)[static_cast<size_t>(c.n)], c.volts, 1e-12)
            << c.expression;
}

TEST(Equation, NoiseDrawsAnewAtEveryPointWithinMinusOneToOne)
{
    // Reading the expression draws nothing: the first point takes the first draw.
    const std::vector<double> draws{0.0, 0.25, 0.5, 0x1.fffffffffffffp-1};
    auto next = std::make_shared<size_t>(0);
    auto result = Evaluate("noise()", 4, [draws, next] { return draws[(*next)++]; });
    EXPECT_EQ(std::get<EquationSegment>(result).volts,
              (std::vector<double>{-1.0, -0.5, 0.0, 1.0 - 0x1.0p-52}));
}

// Unreadable text is refused with its position, a value that is no number with its first point.
TEST(Equation, RefusalsNameWhereTheyHappen)
{
    const struct {
        const char* expression;
        const char* reason;
        int position, point;
    } cases[] = {
        {"5*sin(2*pi*t", "cannot be read: Missing parenthesis at position 12", 12, -1},  // the end
        {"5*sin(2*pi*q)", "cannot be read: Unexpected token \"q\" at position 11", 11, -1},
        {"2 3", "cannot be read: Unexpected value \"3\" at position 2", 2, -1},
        {"5*", "cannot be read: Unexpected end of expression at position 2", 2, -1},
        {"sin(1, 2)", "cannot be read: Too many parameters for function \"sin\" at position 8", 8, -1},
        {"", "cannot be read: Expression is empty", -1, -1},
        {"1/0", "gives no number at n = 0", -1, 0},
        {"exp(n)", "gives no number at n = 710", -1, 710},  // e^710 overflows a double
        {"triangle(1/(n - 3))", "gives no number at n = 3", -1, 3},
        {"square(1/(999 - n))", "gives no number at n = 999", -1, 999},
        {"sawtooth(1/(n - 4))", "gives no number at n = 4", -1, 4},
    };
    for (const auto& c : cases) {
        const EquationError error = Error(c.expression);
        EXPECT_EQ(error.text, QString("The expression %1.").arg(c.reason));
        EXPECT_EQ(error.position, c.position) << c.expression;
        EXPECT_EQ(error.point, c.point) << c.expression;
    }
}

TEST(Equation, TRunsFromZeroToJustShortOfOneOverOneTo16383Points)
{
    EXPECT_EQ(Volts("t", 16383).back(), 16382.0 / 16383);
    EXPECT_EQ(Volts("t", 1), std::vector<double>{0.0});
    EXPECT_EQ(Error("t", 0).text, "The points must be 1 to 16383.");
    EXPECT_EQ(Error("t", 16384).text, "The points must be 1 to 16383.");
}

TEST(SegmentPreview, ColumnsKeepTheExtremesOfTheirShare)
{
    // 10 points into 4 columns: shares 0-1, 2-4, 5-6, 7-9.
    const std::vector<double> volts{5, -5, 0, 1, 2, 3, 3, -1, 4, -2};
    const std::vector<PreviewColumn> columns = PreviewColumns(volts, 4);
    const std::pair<double, double> expected[] = {{5, -5}, {2, 0}, {3, 3}, {4, -2}};
    ASSERT_EQ(columns.size(), 4u);
    for (size_t c = 0; c < 4; ++c) {
        EXPECT_EQ(columns[c].top, MillivoltsToPlotY(expected[c].first * 1000)) << c;
        EXPECT_EQ(columns[c].bottom, MillivoltsToPlotY(expected[c].second * 1000)) << c;
    }
    // Fewer points than columns: one column a point; nothing for nothing.
    EXPECT_EQ(PreviewColumns(volts, 512).size(), 10u);
    EXPECT_TRUE(PreviewColumns({}, 512).empty());
}

// A workspace with one empty document.
class Document : public ::testing::Test {
protected:
    void SetUp() override
    {
        ws.prompter = &prompter;
        ASSERT_NE(ws.New(), nullptr);
    }
    const std::string& Point(int i) const { return ws.edit.WaveText[i]; }

    ScriptedPrompter prompter;
    Workspace ws;
};

class NewSegment : public Document {
protected:
    std::unique_ptr<NewSegmentForm> Open(int kind)
    {
        ws.seg.SegKind = kind;
        return std::make_unique<NewSegmentForm>(ws);
    }
    static QString Text(const DialogForm& form, const char* name) { return form.control(name)->text; }
    void Toolbar(int kind) { InsertSegment(ws, ShapeOfKind(kind)->toolbar); }
    // Appends a DC segment through the dialog's boxes, as its OK would.
    void InsertDc(const char* points, const char* offset)
    {
        auto form = Open(Shape::Dc);
        form->type("txtPoint", points);
        form->type("txtOffset", offset);
        form->click("cmdOK");
    }
};

// Both sides of each box's limits; a refused box shows its message and gets its reset text back.
TEST_F(NewSegment, BoxesJudgeTheirTextWhenLeft)
{
    const struct {
        const char *box, *message, *reset;
        std::vector<const char*> accepted, refused;
    } rules[] = {
        {"txtPoint", "an integer between 16 and 16383", "16", {"16", "16383"}, {"15", "16384", "16.0"}},
        {"txtCycles", "an integer between 1 and 2048", "1", {"1", "2048"}, {"0", "2049", "1.5"}},
        {"txtPhase", "an integer between 0 and 359", "0", {"0", "359"}, {"-1", "360", "10.5"}},
        {"txtAmplitude", "a number between 0.000 and 5.000", "5.000", {"0", "5.0004"}, {"-0.5", "5.001"}},
        {"txtOffset", "a number between -5.000 and 5.000", "0.000", {"-5.4", "5.4"}, {"-5.5", "5.5"}},
        // 100.5 rounds to 100, halves to even.
        {"txtDuty", "a number between 0.000 and 100.000", "50.000", {"0", "100.5"}, {"-0.6", "100.6"}},
        {"txtDamp", "a number between 5.000 and -5.000", "-0.500", {"-5.4", "5.4"}, {"-5.5", "5.5"}},
    };
    auto square = Open(Shape::Square);
    auto damped = Open(Shape::DampedSine);
    auto leave = [&](const char* box, const char* typed) {
        auto& form = std::string(box) == "txtDamp" ? damped : square;
        prompter.shown.clear();
        EXPECT_TRUE(form->type(box, typed));
        form->leave(box);
        return Text(*form, box);
    };
    for (const auto& r : rules) {
        for (const char* typed : r.accepted) {
            EXPECT_EQ(leave(r.box, typed), typed) << r.box;
            EXPECT_TRUE(prompter.shown.empty()) << typed;
        }
        for (const char* typed : r.refused) {
            EXPECT_EQ(leave(r.box, typed), r.reset) << typed;
            EXPECT_EQ(Messages(prompter.shown), QStringList{QString("TLV | Please enter ") + r.message});
        }
    }
    // Text that is no number is put right without a word; a DC segment has no amplitude to judge.
    EXPECT_EQ(leave("txtPoint", "12ab"), "16");
    square->type("txtAmplitude", "9");
    square->pick("cboWaveForm", "DC");
    square->leave("txtAmplitude");
    EXPECT_EQ(Text(*square, "txtAmplitude"), "9");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(NewSegment, OkWritesTheShapeOfTheList)
{
    auto form = Open(Shape::Sine);
    form->pick("cboWaveForm", "Square");
    form->type("txtPoint", "1000.9");  // read as it stands, leniently
    form->click("cmdOK");
    EXPECT_TRUE(form->isClosed());
    EXPECT_EQ(ws.seg.SegKind, 0);
    EXPECT_EQ(ws.seg.SegKindName, "Square");
    EXPECT_EQ(ws.edit.PointCount, 1001);
    EXPECT_EQ(Point(500) + Point(501), "+5.000000E+00-5.000000E+00");
    // A list text that names no shape keeps the shape the dialog was opened for.
    auto other = Open(Shape::Dc);
    other->type("cboWaveForm", "Wobble");
    other->type("txtOffset", "1");
    other->click("cmdOK");
    EXPECT_EQ(ws.seg.SegKindName, "Wobble");
    EXPECT_EQ(ws.edit.PointCount, 3001);
    EXPECT_EQ(Point(3000), "+1.000000E+00");
}

// Previews change nothing: a combine preview of the selection, and one from boxes never checked.
TEST_F(NewSegment, CombineModeLocksThePointsToTheSelectionAndPreviewsLeaveTheDocumentAlone)
{
    Toolbar(Shape::Sine);
    ws.edit.SelStartX = 0;
    ws.edit.SelEndX = 31;
    ws.seg.AddPending = true;
    auto form = Open(Shape::Sine);
    EXPECT_EQ(Text(*form, "txtPoint"), "1024");  // points 0..1023
    for (const char* locked : {"txtPoint", "udnPoint", "cmdDefault"})
        EXPECT_FALSE(form->control(locked)->enabled) << locked;
    form->click("cmdOK");
    EXPECT_TRUE(form->previewed());
    EXPECT_EQ(ws.seg.PreviewCount, 1024);
    EXPECT_EQ(ws.edit.PointCount, 2000);
    ws.edit.SelEndX = 62;  // Select All's columns: the whole waveform
    EXPECT_EQ(Text(*Open(Shape::Noise), "txtPoint"), "2000");
    ws.edit.SelStartX = 100;  // past the end: nothing selected, nothing shown
    ws.edit.SelEndX = 120;
    EXPECT_EQ(Text(*Open(Shape::Noise), "txtPoint"), "");

    ws.seg.AddPending = false;
    auto unchecked = Open(Shape::Sine);
    unchecked->type("txtPoint", "99999");
    unchecked->type("txtAmplitude", "9");
    PreviewSegment(ws, unchecked->parameters(Shape::Sine, 10));
    EXPECT_EQ(ws.seg.PreviewCount, 16384);
    EXPECT_EQ(ws.work.WorkVolts[16000], 5.0);  // clipped
    EXPECT_EQ(ws.edit.PointCount, 2000);
}

TEST_F(NewSegment, PlacedAboveTheFrameCentre)
{
    // 1000 twips are 66.7 pixels.
    EXPECT_EQ(Open(Shape::Sine)->placement(QRect(100, 50, 1000, 800)), QPoint(430, 240));
}

TEST_F(NewSegment, RoomCheckRefusesOnlyBeyond16383)
{
    InsertDc("14384", "1");
    ws.edit.ToolMode = 1;
    Toolbar(Shape::Sine);  // 14384 + 2000
    EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | Shortage Editing Space "});
    EXPECT_EQ(ws.edit.PointCount, 14384);
    EXPECT_EQ(Point(14384), "999");
    EXPECT_EQ(ws.edit.UndoVolts[14384], 0.0);  // no snapshot was taken
    EXPECT_EQ(ws.edit.ToolMode, 0);

    InsertDc("1999", "-1");  // 14384 + 1999
    EXPECT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(ws.edit.PointCount, 16383);
    EXPECT_EQ(Point(14384), "-1.000000E+00");
    EXPECT_EQ(ws.activeSlot()->store[16383], kEndMarker);
    EXPECT_EQ(ws.edit.UndoVolts[14384], kEndMarker);
}

TEST_F(NewSegment, OnlyPointZeroMarkedIsWrittenOver)
{
    {
        EditTransaction tx(ws, EditTransaction::Closing::Redraw);
        tx.WritePointText(0, "+1.000000E+00");
        tx.PlaceEndMarker(1);
    }
    Toolbar(Shape::Dc);
    EXPECT_EQ(ws.edit.PointCount, 2000);
    EXPECT_EQ(Point(0), "+0.000000E+00");
    // The snapshot reaches only up to the write position.
    EXPECT_EQ(ws.edit.UndoVolts[0], 1.0);
    EXPECT_EQ(ws.edit.UndoVolts[1], 0.0);
}

TEST_F(NewSegment, NoiseIsUniformAndIndependent)
{
    Toolbar(Shape::Noise);
    Toolbar(Shape::Noise);
    double sum = 0;
    for (int i = 0; i < 2000; ++i)
        sum += ws.edit.WaveText.value(i);
    // The mean of 2000 uniform values in -5..+5 V has a spread of about 0.065 V.
    EXPECT_LT(std::abs(sum / 2000), 0.4);
    EXPECT_NE(Point(0) + Point(1) + Point(2), Point(2000) + Point(2001) + Point(2002));
}

// Each preview reads its writing twin's boxes and gives its values, the damping a tenth of the typed one.
TEST_F(NewSegment, PreviewsMatchTheirWritingTwins)
{
    const std::pair<const char*, const char*> boxes[] = {{"txtPoint", "700"}, {"txtCycles", "3"},
        {"txtPhase", "30"}, {"txtAmplitude", "4"}, {"txtOffset", "0.5"}, {"txtDuty", "30"}, {"txtDamp", "-2"}};
    for (const ShapeRow& c : Shapes()) {
        if (c.random)
            continue;
        Workspace w;
        w.prompter = &prompter;
        w.New();
        w.seg.SegKind = c.kind;
        NewSegmentForm form(w);
        for (const auto& [box, text] : boxes)
            form.type(box, text);
        PreviewSegment(w, form.parameters(c.kind, 10));
        form.type("txtDamp", "-0.2");
        InsertSegment(w, form.parameters(c.kind, 1));
        ASSERT_EQ(w.seg.PreviewCount, 700) << c.kind;
        ASSERT_EQ(w.edit.PointCount, 700) << c.kind;
        for (int i = 0; i < 700; ++i)
            ASSERT_NEAR(w.work.WorkVolts[static_cast<size_t>(i)], w.edit.WaveText.value(i), 5e-7)
                << c.kind << " point " << i;
        EXPECT_EQ(w.work.WorkVolts[700], 0.0);
    }
}

class EquationDialog : public Document {
protected:
    // Types both boxes and presses OK; the form stays open when OK refused the boxes.
    std::unique_ptr<EquationForm> Ok(const QString& expression, const QString& points)
    {
        auto form = std::make_unique<EquationForm>(ws);
        EXPECT_TRUE(form->type("txtExpression", expression));
        EXPECT_TRUE(form->type("txtPoint", points));
        EXPECT_TRUE(form->click("cmdOK"));
        return form;
    }
};

TEST_F(EquationDialog, ClippedPointsAreCountedAtTheirBoundaries)
{
    // 5 V and -5 V stay; 5.000001 V and -5.000001 V are clipped, and so are 7 V and -9 V.
    Ok("n==0 ? 5 : n==1 ? -5 : n==2 ? 5.000001 : n==3 ? -5.000001 : n==4 ? 7 : -9", "6");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ws.edit.WaveText.value(i), i % 2 ? -5.0 : 5.0) << i;
    EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | 4 points were clipped to +/-5 V."});
    prompter.shown.clear();
    Ok("6", "1");
    EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | 1 point was clipped to +/-5 V."});
    EXPECT_EQ(ws.edit.WaveText.value(6), 5.0);
}

TEST_F(EquationDialog, RefusedBoxesChangeNothing)
{
    FillWaveform(ws, {0.5});
    const QString points = "TLV | The points must be a whole number from 1 to 16383.";
    const struct {
        QString expression, points, message;
    } refused[] = {
        {"5*sin(2*pi*t", "100", "TLV | The expression cannot be read: Missing parenthesis at position 12."},
        {"1", "0", points}, {"1", "16384", points}, {"1", "1.5", points},
    };
    for (const auto& [expression, count, message] : refused) {
        prompter.shown.clear();
        auto form = Ok(expression, count);
        EXPECT_FALSE(form->isClosed()) << expression.toStdString();
        EXPECT_EQ(Messages(prompter.shown), QStringList{message});
        EXPECT_EQ(ws.edit.PointCount, 1);
        EXPECT_EQ(ws.edit.UndoVolts[0], 0.0);  // no snapshot was taken
    }
}

// The room check is NewSegment's, through the same append.
TEST_F(EquationDialog, BoxesAreKeptForTheRunByCancelAndOkAndTheMostPointsFillAnEmptyDocument)
{
    EquationForm first(ws);
    first.type("txtExpression", "3*triangle(2*t)");
    first.type("txtPoint", "700");
    first.click("cmdCancel");
    EXPECT_EQ(ws.edit.PointCount, 0);
    EXPECT_EQ(EquationForm(ws).control("txtPoint")->text, "700");
    Ok("-1", "16383");
    EXPECT_EQ(ws.edit.PointCount, 16383);
    EXPECT_EQ(ws.edit.WaveText.value(16382), -1.0);
    EquationForm third(ws);
    EXPECT_EQ(third.control("txtExpression")->text, "-1");
    EXPECT_EQ(third.control("txtPoint")->text, "16383");
}

TEST_F(EquationDialog, PreviewFollowsTheBoxes)
{
    EquationForm form(ws);
    EXPECT_EQ(form.preview().columns.size(), 448u);
    form.type("txtPoint", "100");
    ASSERT_EQ(form.preview().columns.size(), 100u);
    form.type("txtExpression", "n < 50 ? 2.5 : 9");
    EXPECT_EQ(form.control("lblReading")->text, "100 points. 50 points were clipped to +/-5 V.");

    form.type("txtExpression", "1/(n-7)");
    EXPECT_TRUE(form.preview().columns.empty());
    form.type("txtPoint", "x");
    EXPECT_EQ(form.control("lblReading")->text, "The points must be a whole number from 1 to 16383.");
    EXPECT_TRUE(prompter.shown.isEmpty());  // the preview never shows a message box
}

// Offered with the shapes: the start-up script shows it disabled before the first document.
TEST_F(EquationDialog, CommandGoesWithTheLastDocument)
{
    EXPECT_TRUE(ws.commands.isEnabled(Cmd::Equation));
    ws.Close();
    EXPECT_FALSE(ws.commands.isEnabled(Cmd::Equation));
}

class Combining : public Document {
protected:
    void SetUp() override
    {
        Document::SetUp();
        // The New Segment dialog opened from optWave runs here: DC at the chosen offset.
        prompter.setModalRunner([this](DialogForm& segment) {
            segment.pick("cboWaveForm", "DC");
            segment.type("txtOffset", dcOffset);
            segment.click("cmdOK");
        });
    }

    // A waveform of count points at volts, in place of the last one, with columns from..to selected.
    void Prepare(int count, double volts, int from, int to)
    {
        EditTransaction(ws, EditTransaction::Closing::Redraw).ClearEditBuffer();
        FillWaveform(ws, std::vector<double>(static_cast<size_t>(count), volts));
        ws.edit.SelStartX = static_cast<int16_t>(from);
        ws.edit.SelEndX = static_cast<int16_t>(to);
    }

    // A combine dialog as the Math menu opens it, with DC at offset chosen unless offset is null.
    std::unique_ptr<CombineForm> Open(Op operation, const char* offset)
    {
        ws.seg.AddPending = operation == Op::Add;
        ws.seg.SubtractPending = operation == Op::Subtract;
        ws.seg.MultiplyPending = operation == Op::Multiply;
        auto form = std::make_unique<CombineForm>(ws, operation);
        dcOffset = offset;
        if (offset)
            form->click("optWave");
        return form;
    }

    std::vector<std::string> Texts() const { return {&ws.edit.WaveText[0], &ws.edit.WaveText[0] + kMaxPoints}; }
    bool AnyPending() const { return ws.seg.AddPending || ws.seg.SubtractPending || ws.seg.MultiplyPending; }

    const char* dcOffset = nullptr;
};

TEST_F(Combining, OkWritesOverTheSelectionOnly)
{
    const struct {
        Op operation;
        int count;
        double volts;
        int from, to, first, last, preview;  // columns from..to, points first..last
        const char *standard, *written, *after;
    } cases[] = {
        // 1000 points of 0 V + 1 V DC; the columns run past the end.
        {Op::Add, 1000, 0.0, 0, 40, 0, 999, 1000, "1", "+1.000000E+00", "999"},
        {Op::Subtract, 200, -1.0, 2, 3, 63, 127, 65, "1", "-2.000000E+00", "-1.000000E+00"},
        // A full buffer: the write stops before its last entry; zero throughout is a result too.
        {Op::Multiply, kMaxPoints, 1.0, 0, 512, 0, kLastPoint - 1, kMaxPoints, "0", "+0.000000E+00",
         "+1.000000E+00"},
    };
    for (const auto& c : cases) {
        Prepare(c.count, c.volts, c.from, c.to);
        ws.commands.enable({Cmd::Cut, Cmd::Copy});
        ws.work.SelectAllActive = true;
        auto form = Open(c.operation, c.standard);
        EXPECT_EQ(ws.seg.PreviewCount, c.preview);
        form->click("cmdOk");
        EXPECT_TRUE(form->isClosed());
        for (int i = c.first; i <= c.last; ++i)
            ASSERT_EQ(Point(i), c.written) << i;
        EXPECT_EQ(Point(c.last + 1), c.after);
        if (c.first > 0)
            EXPECT_EQ(Point(c.first - 1), FormatVoltsText(c.volts));
        EXPECT_EQ(ws.edit.PointCount, c.count);
        EXPECT_EQ(ws.edit.UndoVolts[static_cast<size_t>(c.first)], c.volts);
        EXPECT_TRUE(ws.commands.isEnabled(Cmd::Undo));
        EXPECT_FALSE(ws.commands.isEnabled(Cmd::Cut) || ws.commands.isEnabled(Cmd::Copy));
        EXPECT_FALSE(AnyPending() || ws.work.SelectAllActive);
    }
}

TEST_F(Combining, ResultsAreWrittenClippedToFiveVolts)
{
    const struct {
        Op operation;
        double selection;
        const char *standard, *written;
    } cases[] = {
        {Op::Add, 3.996, "1", "+4.996000E+00"}, {Op::Add, 4.004, "1", "+5.000000E+00"},
        {Op::Add, -4.004, "-1", "-5.000000E+00"}, {Op::Multiply, -2.0, "2.5", "-5.000000E+00"},
    };
    for (const auto& c : cases) {
        Prepare(64, c.selection, 0, 0);
        Open(c.operation, c.standard)->click("cmdOk");
        EXPECT_EQ(Point(0) + Point(31), std::string(c.written) + c.written) << c.selection;
        EXPECT_NE(Point(32), c.written) << "past the selection";
    }
}

// OK before any standard wave, and Cancel after a preview, in each dialog.
TEST_F(Combining, ClosingWithoutAResultLeavesWaveformAndUndoAlone)
{
    for (Op operation : {Op::Add, Op::Subtract, Op::Multiply})
        for (bool preview : {false, true}) {
            Prepare(100, 1.5, 0, 1);
            ws.edit.UndoVolts.assign(kMaxPoints, 0.25);
            const std::vector<std::string> before = Texts();
            ws.work.SelectAllActive = true;
            auto form = Open(operation, preview ? "1" : nullptr);
            form->click(preview ? "cmdCancel" : "cmdOk");
            EXPECT_TRUE(form->isClosed());
            EXPECT_EQ(Texts(), before);
            EXPECT_EQ(ws.edit.UndoVolts, std::vector<double>(kMaxPoints, 0.25));
            EXPECT_FALSE(AnyPending() || ws.work.SelectAllActive);
            // The next dialog does not write a result the cancelled one computed.
            Open(Op::Subtract, nullptr)->click("cmdOk");
            EXPECT_EQ(Texts(), before);
        }
}

}  // namespace
}  // namespace tlv
