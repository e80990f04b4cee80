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

TEST_F(EditCommandsTest, UndoRestoresOnlyASnapshotAnEditTookSinceActivation)
{
    const std::vector<double> ramp = Ramp(100);
    FillWaveform(ws, ramp);  // as Open and Import store a waveform: no snapshot
    EXPECT_FALSE(ws.commands.isEnabled(Cmd::Undo));
    EXPECT_FALSE(ws.commands.isButtonEnabled(1, Tb1::Undo));
    UndoLastEdit(ws);
    EXPECT_EQ(points(), ramp);

    commands.run(Cmd::ClearAll.text());
    EXPECT_EQ(ws.edit.PointCount, 0);
    EXPECT_TRUE(ws.commands.isEnabled(Cmd::Undo));  // an emptied document comes back
    EXPECT_EQ(commands.run(Cmd::Undo.text()), Commands::Result::Ran);
    EXPECT_EQ(points(), ramp);
    EXPECT_FALSE(ws.commands.isEnabled(Cmd::Undo));
    UndoLastEdit(ws);  // the snapshot was used up
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

TEST_F(EditCommandsTest, APasteThatDoesNotFitChangesNothingNotEvenTheSnapshot)
{
    FillWaveform(ws, Ramp(16000));
    {
        EditTransaction tx(ws);
        tx.SnapshotForUndo(UndoExtent::ThroughMarker, 16000);
        tx.WritePoint(5, 1.5);  // the buffer now differs from the snapshot
    }
    const std::vector<double> snapshot = ws.edit.UndoVolts;
    const std::vector<double> before = points();

    setClipboard(385, 2.0);
    for (int column : {0, 10}) {
        ws.work.PasteColumn = column;
        PasteClipboard(ws);
        EXPECT_EQ(points(), before);
        EXPECT_EQ(ws.edit.UndoVolts, snapshot);
        EXPECT_EQ(ws.work.PasteColumn, column);
    }
    EXPECT_EQ(Messages(prompter.shown),
              QStringList({"TLV | Shortage Editing Space ", "TLV | Shortage Editing Space"}));

    // One point fewer fills the buffer exactly, on either path: no marker then.
    setClipboard(384, 2.0);
    for (int column : {0, 10}) {
        FillWaveform(ws, Ramp(16000));
        ws.work.PasteColumn = column;
        PasteClipboard(ws);
        EXPECT_EQ(ws.edit.PointCount, kMaxPoints) << column;
        EXPECT_EQ(ws.edit.WaveText.value(kLastPoint), column == 0 ? 2.0 : Ramp(16000).back());
    }
    EXPECT_EQ(prompter.shown.size(), 2);
}

TEST_F(EditCommandsTest, InsertOpensOneGapAndTheMarkerFollowsTheLastPoint)
{
    const std::vector<double> ramp = Ramp(100);
    FillWaveform(ws, ramp);
    setClipboard(3, 0.0);  // a clipboard of 0 V values keeps its length
    ws.work.PasteColumn = 1;
    PasteClipboard(ws);
    std::vector<double> expected(ramp.begin(), ramp.begin() + 32);
    expected.insert(expected.end(), {0.0, 0.0, 0.0});
    expected.insert(expected.end(), ramp.begin() + 32, ramp.end());
    EXPECT_EQ(points(), expected);
    EXPECT_EQ(ws.edit.WaveText[103], "999");
    EXPECT_EQ(ws.work.PasteColumn, 0);

    // An insertion point right of the curve pastes at the end, leaving no gap.
    FillWaveform(ws, ramp);
    ws.work.PasteColumn = 10;
    PasteClipboard(ws);
    EXPECT_EQ(ws.edit.PointCount, 103);
    EXPECT_TRUE(ws.edit.PointDefined[100]);
}

TEST_F(EditCommandsTest, CutRemovesExactlyWhatItPutsOnTheClipboardAndNothingStaysBehind)
{
    const std::vector<double> ramp = Ramp(100);
    FillWaveform(ws, ramp);
    clickAt(1);  // column 1: points 31..63
    CutSelection(ws);
    EXPECT_EQ(ws.work.ClipboardLength, 33);
    EXPECT_EQ(std::vector<double>(ws.work.ClipboardVolts.begin(), ws.work.ClipboardVolts.begin() + 33),
              std::vector<double>(ramp.begin() + 31, ramp.begin() + 64));
    std::vector<double> rest(ramp.begin(), ramp.begin() + 31);
    rest.insert(rest.end(), ramp.begin() + 64, ramp.end());
    EXPECT_EQ(points(), rest);
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

// Free hand and Line write back the columns they drew and nothing else: every other point keeps
// its text, and the length and the end marker stay unless a press beyond the end extended them.
TEST_F(EditCommandsTest, DrawingToolsWriteOnlyTheColumnsTheyDrew)
{
    const int count = 8010;  // the last column, 250, holds ten points
    auto texts = [this] {
        std::vector<std::string> all;
        for (int i = 0; i < kMaxPoints; ++i)
            all.push_back(ws.edit.WaveText[i]);
        return all;
    };
    auto changedOutside = [&](const std::vector<std::string>& before, int first, int last) {
        const std::vector<std::string> after = texts();
        int changed = 0;
        for (int i = 0; i < kMaxPoints; ++i)
            if ((i < first * 32 || i >= (last + 1) * 32) && after[size_t(i)] != before[size_t(i)])
                ++changed;
        return changed;
    };

    FillWaveform(ws, Ramp(count));
    ChooseFreehand(ws);
    std::vector<std::string> before = texts();
    input(PlotInput::Type::Press, 10, 100);
    input(PlotInput::Type::Move, 14, 120, 1);
    input(PlotInput::Type::Release, 14, 120);
    EXPECT_EQ(changedOutside(before, 10, 14), 0);
    EXPECT_EQ(ws.edit.WaveText.value(10 * 32), ws.edit.WaveText.value(10 * 32 + 31));
    EXPECT_NE(ws.edit.WaveText[14 * 32 + 31], before[14 * 32 + 31]);
    EXPECT_EQ(ws.edit.PointCount, count);

    // A stroke over the short last column keeps its length.
    before = texts();
    input(PlotInput::Type::Press, 249, 100);
    input(PlotInput::Type::Move, 250, 100, 1);
    input(PlotInput::Type::Release, 250, 100);
    EXPECT_EQ(changedOutside(before, 249, 250), 0);
    EXPECT_EQ(ws.edit.PointCount, count);
    EXPECT_EQ(ws.edit.WaveText[count], "999");

    // The Line from a click to the end covers the columns from the click's neighbour on.
    commands.run(Cmd::Line.text());
    before = texts();
    input(PlotInput::Type::Press, 100, 50);
    input(PlotInput::Type::Release, 100, 50);
    EXPECT_EQ(changedOutside(before, 99, 250), 0);
    EXPECT_NE(ws.edit.WaveText[99 * 32 + 5], before[99 * 32 + 5]);
    EXPECT_EQ(ws.edit.PointCount, count);

    // A dragged Line is stored at its release, so the trace redrawn on the next move shows it.
    input(PlotInput::Type::Press, 60, 250);
    input(PlotInput::Type::Move, 61, 250, 1);
    input(PlotInput::Type::Release, 61, 250);
    const auto drawn = ws.edit.PlotY;
    input(PlotInput::Type::Move, 200, 10, 0);
    for (int c = 59; c <= 100; ++c)  // the rows come back through the volts texts
        EXPECT_NEAR(ws.edit.PlotY[size_t(c)], ClampRow(drawn[size_t(c)]), 0.1) << c;
    EXPECT_EQ(ws.edit.PointCount, count);

    // A press beyond the end defines every new point and moves the marker after the press.
    ChooseFreehand(ws);
    before = texts();
    input(PlotInput::Type::Press, 260, 152);
    input(PlotInput::Type::Release, 260, 152);
    EXPECT_EQ(changedOutside(before, 250, 512), 0);
    const std::vector<std::string> after = texts();
    EXPECT_TRUE(std::equal(before.begin() + 8000, before.begin() + count, after.begin() + 8000));
    EXPECT_EQ(ws.edit.PointCount, 261 * 32);
    EXPECT_TRUE(ws.edit.PointDefined[count]);

    // A position that is no finite number reaches no point.
    input(PlotInput::Type::Press, 20, 100);
    input(PlotInput::Type::Move, 30, std::numeric_limits<float>::infinity(), 1);
    input(PlotInput::Type::Move, 31, std::numeric_limits<float>::quiet_NaN(), 1);
    input(PlotInput::Type::Release, 30, 100);
    for (int i = 0; i < 261 * 32; ++i)
        ASSERT_TRUE(std::isfinite(ws.edit.WaveText.value(i))) << i;
    EXPECT_EQ(ws.edit.WaveText.value(30 * 32), -5.0);
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
