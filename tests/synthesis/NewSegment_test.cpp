// Segments: the shapes' formulas, the New Segment dialog's boxes and what the generators write.
#include <gtest/gtest.h>

#include <cmath>

#include "model/DialogPlacement.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"
#include "synthesis/Generators.h"
#include "synthesis/NewSegmentForm.h"
#include "synthesis/ShapeMaths.h"
#include "synthesis/ShapeTable.h"

namespace tlv {
namespace {
using test::Messages;

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

class NewSegment : public ::testing::Test {
protected:
    void SetUp() override
    {
        ws.prompter = &prompter;
        ASSERT_NE(ws.New(), nullptr);
    }
    std::unique_ptr<NewSegmentForm> Open(int kind)
    {
        ws.seg.SegKind = kind;
        return std::make_unique<NewSegmentForm>(ws);
    }
    static QString Text(const DialogForm& form, const char* name) { return form.control(name)->text; }
    std::string Point(int i) const { return ws.edit.WaveText[i]; }
    void Toolbar(int kind) { InsertSegment(ws, ShapeOfKind(kind)->toolbar); }
    // Appends a DC segment through the dialog's boxes, as its OK would.
    void InsertDc(const char* points, const char* offset)
    {
        auto form = Open(Shape::Dc);
        form->type("txtPoint", points);
        form->type("txtOffset", offset);
        form->click("cmdOK");
    }

    ScriptedPrompter prompter;
    Workspace ws;
};

TEST_F(NewSegment, BoxesJudgeTheirTextWhenLeft)
{
    const char *points = "Please enter an integer between 16 and 16383",
               *cycles = "Please enter an integer between 1 and 2048",
               *phase = "Please enter an integer between 0 and 359",
               *offset = "Please enter a number between -5.000 and 5.000",
               *duty = "Please enter a number between 0.000 and 100.000",
               *damp = "Please enter a number between 5.000 and -5.000";
    const struct {
        const char *box, *typed, *message /* "" when none is shown */, *after;
    } cases[] = {
        {"txtPoint", "16383", "", "16383"}, {"txtPoint", "16384", points, "16"},
        {"txtPoint", "99999999999", points, "16"}, {"txtPoint", "", "", "16"}, {"txtPoint", "12ab", "", "16"},
        {"txtCycles", "2048", "", "2048"}, {"txtCycles", "0", cycles, "1"}, {"txtCycles", "1.5", cycles, "1"},
        {"txtPhase", "359", "", "359"}, {"txtPhase", "-1", phase, "0"}, {"txtPhase", "10.5", phase, "0"},
        {"txtAmplitude", "5", "", "5"}, {"txtAmplitude", "0", "", "0"},
        {"txtOffset", "-5.4", "", "-5.4"}, {"txtOffset", "-5.5", offset, "0.000"}, {"txtOffset", "", "", "0.000"},
        {"txtDuty", "100.5", "", "100.5"},  // rounds to 100, halves to even
        {"txtDuty", "0", "", "0"}, {"txtDuty", "100.6", duty, "50.000"}, {"txtDuty", "-0.6", duty, "50.000"},
        {"txtDamp", "5.4", "", "5.4"}, {"txtDamp", "5.5", damp, "-0.500"}, {"txtDamp", "?", "", "-0.500"},
    };
    auto square = Open(Shape::Square);
    auto damped = Open(Shape::DampedSine);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " \"" + c.typed + "\"");
        auto& form = std::string(c.box) == "txtDamp" ? damped : square;
        prompter.shown.clear();
        ASSERT_TRUE(form->type(c.box, c.typed));
        form->leave(c.box);
        EXPECT_EQ(Messages(prompter.shown), *c.message ? QStringList{QString("TLV | ") + c.message} : QStringList{});
        EXPECT_EQ(Text(*form, c.box), c.after);
    }
    // A DC segment has no amplitude to judge.
    prompter.shown.clear();
    square->type("txtAmplitude", "9");
    square->pick("cboWaveForm", "DC");
    square->leave("txtAmplitude");
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(Text(*square, "txtAmplitude"), "9");
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
    EXPECT_FALSE(ws.edit.PointDefined[2000]);
}

TEST_F(NewSegment, PlacedAboveTheFrameCentre)
{
    // 1000 twips are 66.7 pixels.
    EXPECT_EQ(NewSegmentPosition(QRect(100, 50, 1000, 800), QSize(340, 286)), QPoint(430, 240));
    auto form = Open(Shape::Sine);
    EXPECT_EQ(form->placement(QRect(0, 0, 800, 600)), NewSegmentPosition(QRect(0, 0, 800, 600), form->size()));
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
    ASSERT_EQ(ws.edit.PointCount, 2000);
    double sum = 0;
    int repeats = 0;  // a value equal to the one before
    for (int i = 0; i < 2000; ++i) {
        ASSERT_LE(std::abs(ws.edit.WaveText.value(i)), 5.0);
        repeats += Point(i) == Point(i + 1);
        sum += ws.edit.WaveText.value(i);
    }
    // The mean of 2000 uniform values in -5..+5 V has a spread of about 0.065 V.
    EXPECT_LT(std::abs(sum / 2000), 0.4);
    EXPECT_LE(repeats, 1);
    const std::string first = Point(0) + Point(1) + Point(2);
    Toolbar(Shape::Noise);
    EXPECT_NE(Point(2000) + Point(2001) + Point(2002), first);
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

}  // namespace
}  // namespace tlv
