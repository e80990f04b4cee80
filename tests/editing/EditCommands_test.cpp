// The editing commands, point edits, transforms and overlays on a workspace with one window.
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <limits>

#include "commands/Commands.h"
#include "display/PlotPainter.h"
#include "editing/EditCommands.h"
#include "editing/Overlays.h"
#include "editing/PointEdits.h"
#include "editing/Transforms.h"
#include "model/EditTransaction.h"
#include "model/ScriptedPrompter.h"
#include "model/VoltsText.h"
#include "support/ImageChecks.h"
#include "support/Prompts.h"

using namespace tlv;
using tlv::test::FillWaveform;
using tlv::test::Messages;

class EditCommandsTest : public ::testing::Test {
protected:
    EditCommandsTest() : commands(ws, QString())
    {
        ws.prompter = &prompter;
        tools = RegisterEditingCommands(ws, commands);
        ws.New();
    }

    // A ramp from -5 V in steps of 0.125 V, exact in the volts text.
    static std::vector<double> Ramp(int count)
    {
        return Values(count, [](int i) { return -5.0 + 0.125 * (i % 80); });
    }
    template <typename Volts>
    static std::vector<double> Values(int count, Volts volts)
    {
        std::vector<double> values(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            values[static_cast<size_t>(i)] = volts(i);
        return values;
    }
    void refill(const std::vector<double>& volts)
    {
        EditTransaction(ws, EditTransaction::Closing::Redraw).ClearEditBuffer();
        FillWaveform(ws, volts);
    }
    std::vector<double> points() const
    {
        const int count = CountEditBuffer(ws.edit);
        return {ws.edit.WaveText.values(), ws.edit.WaveText.values() + count};
    }
    std::vector<std::string> texts() const
    {
        return {&ws.edit.WaveText[0], &ws.edit.WaveText[0] + kMaxPoints};
    }
    double at(int i) const { return ws.edit.WaveText.value(i); }
    const std::string& text(int i) const { return ws.edit.WaveText[i]; }
    void input(PlotInput::Type type, float x, float y = 100, int button = 1)
    {
        ws.mouseTools->plotInput(PlotInput{type, x, y, button, 0});
    }
    // A press and release at one column, and its click.
    void clickAt(float x)
    {
        for (auto type : {PlotInput::Type::Press, PlotInput::Type::Release, PlotInput::Type::Click})
            input(type, x);
    }
    void setClipboard(int length, double volts)
    {
        std::fill_n(ws.work.ClipboardVolts.begin(), length, volts);
        ws.work.ClipboardLength = length;
        ws.work.ClipboardFull = true;
    }
    // A saved waveform of 100 points at 1 V: an edit shows as a change.
    void savedOnes()
    {
        FillWaveform(ws, std::vector<double>(100, 1.0));
        ws.activeSlot()->markSaved(100);
    }

    Workspace ws;
    ScriptedPrompter prompter;
    Commands commands;
    std::unique_ptr<PlotInputHandler> tools;
};

TEST_F(EditCommandsTest, UndoRestoresOnlyASnapshotAnEditTook)
{
    const std::vector<double> ramp = Ramp(100);
    FillWaveform(ws, ramp);  // as Open and Import store a waveform: no snapshot
    EXPECT_FALSE(ws.commands.isEnabled(Cmd::Undo));
    UndoLastEdit(ws);
    EXPECT_EQ(points(), ramp);
}

TEST_F(EditCommandsTest, UndoOfAFullBufferKeepsItsTrailingZeros)
{
    std::vector<double> full = Ramp(kMaxPoints);
    std::fill(full.end() - 40, full.end(), 0.0);
    FillWaveform(ws, full);
    ClearAllPoints(ws);
    UndoLastEdit(ws);
    EXPECT_EQ(ws.edit.PointCount, kMaxPoints);
    EXPECT_EQ(points().size(), full.size());
    EXPECT_EQ(ws.docs.DocSlots[0].store[kMaxPoints], kEndMarker);
}

// Appending and inserting each have their own wording; a refused paste takes no snapshot.
TEST_F(EditCommandsTest, APasteMayExactlyFillTheBufferButNotOnePointMore)
{
    for (int column : {0, 10}) {
        setClipboard(384, 2.0);
        FillWaveform(ws, Ramp(16000));
        ws.work.PasteColumn = column;
        PasteClipboard(ws);
        EXPECT_EQ(ws.edit.PointCount, kMaxPoints) << column;
        EXPECT_EQ(at(kLastPoint), column == 0 ? 2.0 : Ramp(16000).back());
        EXPECT_TRUE(prompter.shown.isEmpty());

        setClipboard(385, 2.0);
        refill(Ramp(16000));
        ws.edit.UndoReady = false;
        ws.work.PasteColumn = column;
        PasteClipboard(ws);
        EXPECT_EQ(ws.edit.PointCount, 16000) << column;
        EXPECT_FALSE(ws.edit.UndoReady) << column;
        const char* wording = column ? "TLV | Shortage Editing Space" : "TLV | Shortage Editing Space ";
        EXPECT_EQ(Messages(prompter.shown), QStringList{wording});
        prompter.shown.clear();
    }
}

TEST_F(EditCommandsTest, CutRemovesExactlyWhatItPutsOnTheClipboardAndNothingStaysBehind)
{
    const std::vector<double> ramp = Ramp(100);
    FillWaveform(ws, ramp);
    clickAt(1);  // column 1: points 31..63
    CutSelection(ws);
    EXPECT_EQ(ws.work.ClipboardLength, 33);
    EXPECT_EQ(text(67), "999");
    for (int i = 67; i < 100; ++i) {
        EXPECT_FALSE(ws.edit.PointDefined[static_cast<size_t>(i)]) << i;
        EXPECT_EQ(at(i + 1), 0) << i;
    }
    EXPECT_EQ(WritePosition(ws.edit), 67);  // a segment appends right after the last point

    UndoLastEdit(ws);
    EXPECT_EQ(points(), ramp);
}

TEST_F(EditCommandsTest, TheClipboardKeepsItsTrailingZerosAndIsNotTheWorkBuffer)
{
    FillWaveform(ws, Values(100, [](int i) { return i < 50 ? 2.5 : 0.0; }));
    clickAt(1);  // points 31..63
    EXPECT_EQ(commands.click(1, Tb1::Copy), Commands::Result::Ran);
    std::fill(ws.work.WorkVolts.begin(), ws.work.WorkVolts.end(), 4.0);  // a preview's wave
    EXPECT_EQ(commands.click(1, Tb1::Paste), Commands::Result::Ran);
    EXPECT_EQ(ws.edit.PointCount, 133);
    EXPECT_EQ(at(100), 2.5);
    EXPECT_EQ(text(132), "+0.000000E+00");
}

TEST_F(EditCommandsTest, FreeHandOnAFullDocumentStaysInsideTheBuffer)
{
    FillWaveform(ws, Ramp(kMaxPoints));
    ChooseFreehand(ws);
    input(PlotInput::Type::Press, 511, 0);
    input(PlotInput::Type::Move, 512, 304, 1);
    input(PlotInput::Type::Release, 512, 304);
    EXPECT_EQ(ws.edit.PointCount, kMaxPoints);
    EXPECT_EQ(at(kLastPoint), 5.0);  // column 511 took the press's row 0

    input(PlotInput::Type::Press, 512, 304);  // beyond column 511: column 512 has no points
    input(PlotInput::Type::Release, 512, 304);
    EXPECT_EQ(ws.edit.PointCount, kMaxPoints);
    EXPECT_EQ(ws.docs.DocSlots[0].store[kMaxPoints], kEndMarker);
}

// The strokes themselves are in the editing-tools end-to-end script.
TEST_F(EditCommandsTest, DrawingToolsWriteOnlyTheColumnsTheyDrewAndOnlyFiniteValues)
{
    const int count = 8010;  // the last column, 250, holds ten points
    FillWaveform(ws, Ramp(count));
    ChooseFreehand(ws);
    const std::vector<double> before = points();
    input(PlotInput::Type::Press, 249, 100);
    input(PlotInput::Type::Move, 250, 100, 1);
    input(PlotInput::Type::Release, 250, 100);
    const std::vector<double> after = points();
    ASSERT_EQ(after.size(), before.size());  // a stroke over the short last column keeps the length
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + 249 * 32, after.begin()));
    EXPECT_EQ(text(count), "999");

    // The Line from a click to the end covers the columns from the click's neighbour on. Dragged,
    // it is stored at once, so the trace the next move redraws from the store shows it.
    commands.run(Cmd::Line.text());
    const std::vector<double> unlined = points();
    input(PlotInput::Type::Press, 100, 50);
    input(PlotInput::Type::Move, 101, 50, 1);
    input(PlotInput::Type::Release, 101, 50);
    const double drawnRow = ws.edit.PlotY[150];
    input(PlotInput::Type::Move, 200, 10, 0);
    const std::vector<double> lined = points();
    ASSERT_EQ(lined.size(), unlined.size());
    EXPECT_TRUE(std::equal(unlined.begin(), unlined.begin() + 99 * 32, lined.begin()));
    EXPECT_NE(lined[99 * 32 + 5], unlined[99 * 32 + 5]);
    EXPECT_NEAR(ws.edit.PlotY[150], drawnRow, 0.1);
    ChooseFreehand(ws);

    // A position that is no finite number reaches no point.
    input(PlotInput::Type::Press, 20, 100);
    input(PlotInput::Type::Move, 30, std::numeric_limits<float>::infinity(), 1);
    input(PlotInput::Type::Move, 31, std::numeric_limits<float>::quiet_NaN(), 1);
    input(PlotInput::Type::Release, 30, 100);
    for (int i = 0; i < count; ++i)
        ASSERT_TRUE(std::isfinite(at(i))) << i;
    EXPECT_EQ(at(30 * 32), -5.0);
    // The stroke leaves the press's column on a line to the clamped position, drawn whole.
    EXPECT_EQ(text(20 * 32), text(20 * 32 + 31));
}

TEST_F(EditCommandsTest, AMarkerPressOnAnEmptyDocumentStoresNothing)
{
    for (float x : {0.0f, 100.0f}) {
        clickAt(x);
        EXPECT_EQ(text(0), "999");
        EXPECT_EQ(CountEditBuffer(ws.edit), 0);
        EXPECT_FALSE(ws.commands.isEnabled(Cmd::Paste));
        EXPECT_FALSE(ws.commands.isEnabled(Cmd::Cut));
    }
}

TEST_F(EditCommandsTest, ToolbarGuardsHoldEvenWhenAButtonIsEnabled)
{
    FillWaveform(ws, Ramp(100));
    ws.edit.SelLast = 0;
    ws.commands.enableButtons(1, {Tb1::Cut, Tb1::Copy, Tb1::Paste});
    for (int button : {Tb1::Cut, Tb1::Copy, Tb1::Paste})  // one point selected; the clipboard empty
        commands.click(1, button);
    EXPECT_EQ(ws.edit.PointCount, 100);
    EXPECT_FALSE(ws.work.ClipboardFull);
    EXPECT_FALSE(ws.edit.UndoReady);

    ClearAllPoints(ws);
    commands.click(1, Tb1::Undo);
    EXPECT_EQ(ws.edit.PointCount, 100);
    EXPECT_FALSE(ws.commands.isButtonEnabled(1, Tb1::Undo));

    ws.Close();  // no document: the buttons do nothing even when enabled
    ws.commands.enableButtons(1, {Tb1::Undo, Tb1::Cut, Tb1::Copy, Tb1::Paste});
    setClipboard(3, 1.0);
    ws.edit.SelLast = 5;
    for (int button : {Tb1::Undo, Tb1::Cut, Tb1::Copy, Tb1::Paste})
        EXPECT_EQ(commands.click(1, button), Commands::Result::Ran);
    EXPECT_FALSE(ws.edit.UndoReady);  // Cut, Copy and Paste would each have taken a snapshot
    EXPECT_EQ(CountEditBuffer(ws.edit), 0);
    EXPECT_EQ(ws.work.ClipboardLength, 3);
}

TEST_F(EditCommandsTest, ARunOfPointsIsWrittenExactlyAsOneUndoableEdit)
{
    savedOnes();
    const double run[] = {-5.0, 5.0, 0.5};
    ASSERT_TRUE(SetPoints(ws, 97, run));
    std::vector<double> expected(100, 1.0);
    std::copy(std::begin(run), std::end(run), expected.begin() + 97);
    EXPECT_EQ(points(), expected);
    EXPECT_EQ(ws.activeSlot()->store[98], 5.0);  // committed
    EXPECT_TRUE(ws.ActiveDocumentChanged());
    UndoLastEdit(ws);
    EXPECT_EQ(points(), std::vector<double>(100, 1.0));
    EXPECT_FALSE(ws.ActiveDocumentChanged());
}

TEST_F(EditCommandsTest, PointEditsRefusePointsPastTheEndAndValuesThatAreNoVoltsWithinFive)
{
    savedOnes();
    const double ok = 2.0;
    ASSERT_TRUE(SetPoints(ws, 0, {&ok, 1}));
    ASSERT_TRUE(SetPoints(ws, 99, {&ok, 1}));
    ws.edit.UndoReady = false;
    const char* const range = "TLV | A point's value must be a number from -5 V to +5 V.";
    const char* const past = "TLV | Point 100 is not part of the waveform (points 0 to 99).";
    const std::tuple<int, std::vector<double>, QString> cases[] = {
        {100, {2.0}, past},
        {99, {2.0, 2.0}, past},
        {-1, {2.0}, "TLV | Point -1 is not part of the waveform (points 0 to 99)."},
        {5, {std::nextafter(5.0, 6.0)}, range},
        {5, {std::nextafter(-5.0, -6.0)}, range},
        {5, {2.0, std::numeric_limits<double>::quiet_NaN()}, range},
    };
    for (const auto& [index, volts, message] : cases) {
        prompter.shown.clear();
        EXPECT_FALSE(SetPoints(ws, index, volts)) << index;
        EXPECT_EQ(Messages(prompter.shown), QStringList{message});
        EXPECT_EQ(at(5), 1.0);
        EXPECT_FALSE(ws.edit.UndoReady) << index;  // no snapshot taken
    }
    prompter.shown.clear();
    EXPECT_FALSE(SetPointText(ws, 5, "1,5"));
    EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | \"1,5\" is not a number of volts."});
    EXPECT_TRUE(SetPointText(ws, 5, " -25e-1 "));
    EXPECT_EQ(at(5), -2.5);
}

TEST_F(EditCommandsTest, InPlaceTransformsWriteBackOnlyTheCapturedPoints)
{
    const struct {
        const char* name;
        void (*transform)(Workspace&);
        const char *first, *last;  // points 0 and 63, from -2 V and -0.11 V
    } transforms[] = {{"Invert", Invert, "+2.000000E+00", "+1.100000E-01"},
                      {"Mirror", Mirror, "-1.100000E-01", "-2.000000E+00"},
                      {"Absolute", Absolute, "+2.000000E+00", "+1.100000E-01"}};
    for (const auto& [name, transform, first, last] : transforms) {
        // Columns 1..0, ordered by the capture: points 0..63 of 100; the clipboard stays.
        refill(Values(100, [](int i) { return -2.0 + i * 0.03; }));
        const std::vector<std::string> before = texts();
        ws.work.WorkVolts.assign(kMaxPoints, 0.5);
        ws.edit.SelStartX = 1;
        ws.edit.SelEndX = 0;
        transform(ws);
        SCOPED_TRACE(name);
        EXPECT_EQ(text(0), first);
        EXPECT_EQ(text(63), last);
        EXPECT_EQ(text(64), before[64]);
        EXPECT_EQ(text(100), "999");
        EXPECT_TRUE(ws.edit.UndoReady);
        for (size_t i = 0; i <= 100; ++i)
            ASSERT_EQ(ws.edit.UndoVolts[i], TextToNumber(before[i])) << i;
        EXPECT_EQ(std::pair(ws.edit.SelStartX, ws.edit.SelEndX), (std::pair<int16_t, int16_t>(0, 1)));
        EXPECT_EQ(ws.work.WorkVolts, std::vector<double>(kMaxPoints, 0.5));
        EXPECT_EQ(ws.activeSlot()->store[0], at(0));  // committed

        // Past the end nothing is captured and nothing written.
        const std::vector<std::string> now = texts();
        ws.edit.SelStartX = 100;
        ws.edit.SelEndX = 120;
        transform(ws);
        EXPECT_EQ(ws.edit.SelLast, -1);
        EXPECT_EQ(texts(), now);

        // A full buffer: the write-back stops before its last entry.
        refill(Values(kMaxPoints, [](int i) { return i < 8192 ? -1.0 : -2.0; }));
        ws.edit.SelStartX = 0;
        ws.edit.SelEndX = 512;
        transform(ws);
        EXPECT_EQ(ws.edit.SelLast, kLastPoint);
        EXPECT_NE(text(kLastPoint - 1), "-2.000000E+00");
        EXPECT_EQ(text(kLastPoint), "-2.000000E+00");
    }
}

TEST_F(EditCommandsTest, ExpandOfAThousandPointsUsesSixteen)
{
    refill(Values(1000, [](int i) { return (i % 7) * 0.5 - 1.5; }));
    ws.edit.ToolMode = 2;
    ws.commands.setButtonPressed(2, Tb2::Line, true);
    ExpandToFit(ws);
    EXPECT_EQ(ws.edit.PointCount, 15984);
    EXPECT_EQ(text(0), FormatVoltsText(-1.5 + 0.5 / 16));  // a sixteenth of the way to point 1
    EXPECT_EQ(text(15), "-1.000000E+00");                  // point 1 itself
    EXPECT_EQ(text(15983), "+1.000000E+00");               // the last input point, 999
    EXPECT_FALSE(ws.edit.PointDefined[15984]);
    EXPECT_TRUE(ws.edit.UndoReady);
    EXPECT_EQ(ws.edit.ToolMode, 0);
    EXPECT_TRUE(ws.commands.isButtonPressed(2, Tb2::Marker));
    EXPECT_FALSE(ws.commands.isButtonPressed(2, Tb2::Line));
    EXPECT_EQ(prompter.shown, (QStringList{"wait shown", "wait closed"}));
}

TEST_F(EditCommandsTest, ExpandDoublesAtMost8190Points)
{
    refill(Values(8191, [](int i) { return i * 0.0001; }));
    const std::vector<std::string> before = texts();
    ExpandToFit(ws);
    EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | Shortage Editing Space "});
    EXPECT_EQ(texts(), before);
    EXPECT_EQ(ws.edit.UndoVolts[0], 0.0);  // no snapshot taken

    refill(Values(8190, [](int i) { return i * 0.0001; }));
    ExpandToFit(ws);
    EXPECT_EQ(ws.edit.PointCount, 16378);
    EXPECT_EQ(text(16377), FormatVoltsText(8189 * 0.0001));
}

TEST_F(EditCommandsTest, ExpandStaysWithinTheBufferAndLeavesOnePointAlone)
{
    // Flags defined past a count that is too small: the factor comes from the count, the points
    // from the flags, and the result still stops at 16383 points.
    refill(Values(5000, [](int i) { return (i % 2) * 1.0; }));
    EditTransaction(ws, EditTransaction::Closing::Redraw).SetPointCount(10);
    ExpandToFit(ws);
    EXPECT_EQ(ws.edit.PointCount, kLastPoint);
    EXPECT_EQ(text(kLastPoint), "999");

    refill({1.5});
    prompter.shown.clear();
    ExpandToFit(ws);
    EXPECT_EQ(text(0), "+1.500000E+00");
    EXPECT_EQ(text(1), "999");
    EXPECT_TRUE(prompter.shown.empty());
}

// The plot at one pixel a unit (the normal box's scale).
static QImage Paint(const std::vector<double>& rows, const PlotOverlay& overlay)
{
    QImage image(570, 370, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintPlot(painter, image.size(), WindowState::Normal, rows.data(), static_cast<int>(rows.size()),
              overlay);
    return image;
}

TEST(Overlays, TheBandInvertsWhatLiesUnderItAndNothingElse)
{
    const std::vector<double> rows(100, 100.0);
    PlotOverlay band;
    band.selection = true;
    band.selectionFrom = 20;  // either order
    band.selectionTo = 10;
    const QImage image = Paint(rows, band);
    EXPECT_EQ(image.pixelColor(15, 50), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(15, 100), QColor(0, 0, 255));  // the trace stays visible
    EXPECT_EQ(image.pixelColor(30, 50), kPlotBackground);
    EXPECT_EQ(image.pixelColor(15, 340), kPlotBackground);  // rows 0..304 only

    band.selectionFrom = band.selectionTo = 40;  // the marker: one column
    EXPECT_TRUE(PaintedNear(Paint(rows, band), 40, 50, Qt::white));
    EXPECT_EQ(Paint(rows, band).pixelColor(43, 50), kPlotBackground);
}

// The band and the rubber band's state are shown by the editing scripts.
TEST_F(EditCommandsTest, OverlaysShowFromTheStateUntilTheGridIsRedrawn)
{
    FillWaveform(ws, std::vector<double>(100, 1.0));
    SelectAllPoints(ws);
    EXPECT_TRUE(ToolOverlay(ws).selection);
    ChooseLine(ws);  // redraws the grid: the band goes
    EXPECT_FALSE(ToolOverlay(ws).selection);
    input(PlotInput::Type::Move, 40.5f, 60, 0);
    EXPECT_EQ(ToolOverlay(ws).rubberLine, QLineF(3, static_cast<float>(ws.edit.PlotY[3]), 40.5, 60));

    // A stroke past the stored curve shows until the next redraw.
    ChooseFreehand(ws);
    input(PlotInput::Type::Press, 3);
    input(PlotInput::Type::Move, 50);
    EXPECT_EQ(ShownTraceColumns(ws), 51);
    EXPECT_FALSE(ToolOverlay(ws).rubberBand);
    ws.DrawGrid();
    EXPECT_EQ(ShownTraceColumns(ws), ws.edit.PlotColumn);
}
