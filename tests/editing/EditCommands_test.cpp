#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "commands/Commands.h"
#include "editing/ColumnRoutines.h"
#include "editing/EditCommands.h"
#include "model/EditTransaction.h"
#include "model/ScriptedPrompter.h"
#include "model/Workspace.h"
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
        std::vector<double> volts(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            volts[static_cast<size_t>(i)] = -5.0 + 0.125 * (i % 80);
        return volts;
    }
    std::vector<double> points() const
    {
        const int count = CountEditBuffer(ws.edit);
        return {ws.edit.WaveText.values(), ws.edit.WaveText.values() + count};
    }
    void input(PlotInput::Type type, float x, float y = 100, int button = 1)
    {
        ws.mouseTools->plotInput(PlotInput{type, x, y, button, 0});
    }
    // A press and release at one column with the Marker, and its click.
    void clickAt(float x)
    {
        input(PlotInput::Type::Press, x);
        input(PlotInput::Type::Release, x);
        input(PlotInput::Type::Click, x);
    }
    void setClipboard(int length, double volts)
    {
        std::fill_n(ws.work.ClipboardVolts.begin(), length, volts);
        ws.work.ClipboardLength = length;
        ws.work.ClipboardFull = true;
    }

    Workspace ws;
    ScriptedPrompter prompter;
    Commands commands;
    std::unique_ptr<PlotInputHandler> tools;
};

// Undo after Clear All, once and only once, is shown by the editing-commands script.
TEST_F(EditCommandsTest, UndoRestoresOnlyASnapshotAnEditTookSinceActivation)
{
    const std::vector<double> ramp = Ramp(100);
    FillWaveform(ws, ramp);  // as Open and Import store a waveform: no snapshot
    EXPECT_FALSE(ws.commands.isEnabled(Cmd::Undo));
    UndoLastEdit(ws);
    EXPECT_EQ(points(), ramp);

    commands.run(Cmd::ClearAll.text());
    DocumentWindow* first = ws.activeWindow();
    ws.New();
    ws.ActivateWindow(first);  // activation forgets the snapshot
    EXPECT_FALSE(ws.edit.UndoReady);
    EXPECT_FALSE(ws.commands.isEnabled(Cmd::Undo));
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

// A paste one point too long is refused by the editing-commands end-to-end script, the insertion
// into one gap is shown there too.
TEST_F(EditCommandsTest, APasteThatExactlyFillsTheBufferLeavesNoMarker)
{
    setClipboard(384, 2.0);
    for (int column : {0, 10}) {
        FillWaveform(ws, Ramp(16000));
        ws.work.PasteColumn = column;
        PasteClipboard(ws);
        EXPECT_EQ(ws.edit.PointCount, kMaxPoints) << column;
        EXPECT_EQ(ws.edit.WaveText.value(kLastPoint), column == 0 ? 2.0 : Ramp(16000).back());
    }
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(EditCommandsTest, CutRemovesExactlyWhatItPutsOnTheClipboardAndNothingStaysBehind)
{
    const std::vector<double> ramp = Ramp(100);
    FillWaveform(ws, ramp);
    clickAt(1);  // column 1: points 31..63
    CutSelection(ws);
    EXPECT_EQ(ws.work.ClipboardLength, 33);
    EXPECT_EQ(ws.edit.WaveText[67], "999");
    for (int i = 67; i < 100; ++i) {
        EXPECT_FALSE(ws.edit.PointDefined[static_cast<size_t>(i)]) << i;
        EXPECT_EQ(ws.edit.WaveText.value(i + 1), 0) << i;
    }
    EXPECT_EQ(WritePosition(ws.edit), 67);  // a segment appends right after the last point

    UndoLastEdit(ws);
    EXPECT_EQ(points(), ramp);
}

TEST_F(EditCommandsTest, TheClipboardIsNotTheWorkBuffer)
{
    FillWaveform(ws, Ramp(100));
    clickAt(1);
    CopySelection(ws);
    std::fill(ws.work.WorkVolts.begin(), ws.work.WorkVolts.end(), 4.0);  // a preview's wave
    PasteClipboard(ws);
    EXPECT_EQ(ws.edit.PointCount, 133);
    EXPECT_EQ(ws.edit.WaveText.value(100), Ramp(100)[31]);
}

TEST_F(EditCommandsTest, FreeHandOnAFullDocumentStaysInsideTheBuffer)
{
    FillWaveform(ws, Ramp(kMaxPoints));
    ChooseFreehand(ws);
    input(PlotInput::Type::Press, 511, 0);
    input(PlotInput::Type::Move, 512, 304, 1);
    input(PlotInput::Type::Release, 512, 304);
    EXPECT_EQ(ws.edit.PointCount, kMaxPoints);
    EXPECT_EQ(ws.edit.WaveText.value(kLastPoint), 5.0);  // column 511 took the press's row 0

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
    EXPECT_EQ(ws.edit.WaveText[count], "999");

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
        ASSERT_TRUE(std::isfinite(ws.edit.WaveText.value(i))) << i;
    EXPECT_EQ(ws.edit.WaveText.value(30 * 32), -5.0);
    // The stroke leaves the press's column on a line to the clamped position, drawn whole.
    EXPECT_EQ(ws.edit.WaveText[20 * 32], ws.edit.WaveText[20 * 32 + 31]);
}

TEST_F(EditCommandsTest, AMarkerPressOnAnEmptyDocumentStoresNothing)
{
    for (float x : {0.0f, 100.0f}) {
        clickAt(x);
        EXPECT_EQ(ws.edit.WaveText[0], "999");
        EXPECT_FALSE(ws.edit.PointDefined[0]);
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
    commands.click(1, Tb1::Cut);
    commands.click(1, Tb1::Copy);
    commands.click(1, Tb1::Paste);  // the clipboard is empty
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
