#include <gtest/gtest.h>

#include <cmath>

#include "model/EditTransaction.h"
#include "model/Scale.h"
#include "model/ScriptedPrompter.h"
#include "model/VoltsText.h"
#include "model/Workspace.h"
#include "support/Prompts.h"

using namespace tlv;

// One window open; a save that works marks the document saved, as the file commands do.
class WorkspaceTest : public ::testing::Test, public DocumentSaver {
protected:
    WorkspaceTest()
    {
        ws.prompter = &prompter;
        ws.saver = this;
        ws.New();
    }
    void SaveActiveDocument() override
    {
        ++saves;
        ws.activeSlot()->markSaved(static_cast<int>(ws.edit.PointCount));
    }

    // Through the edit path, with the end marker after them.
    void write(const std::vector<double>& volts) { EditTransaction(ws).WritePoints(0, volts); }

    ScriptedPrompter prompter;
    Workspace ws;
    int saves = 0;
};

TEST_F(WorkspaceTest, CommitStoresTheBufferWithItsMarkerAndSetsEnabling)
{
    write({1.0, 0.0, 0.0});  // trailing zeros still count: the marker ends the scan
    EXPECT_EQ(ws.edit.PointCount, 3);
    const auto& store = ws.docs.DocSlots[0].store;
    EXPECT_EQ(store[2], 0.0);
    EXPECT_EQ(store[3], kEndMarker);
    EXPECT_TRUE(ws.commands.isEnabled("mnuSave"));

    EditTransaction(ws).ClearEditBuffer(3);
    EXPECT_EQ(ws.edit.PointCount, 0);
    EXPECT_EQ(store[0], kEndMarker);
    EXPECT_FALSE(ws.commands.isEnabled("mnuClearall"));
}

TEST_F(WorkspaceTest, BufferWithoutMarkerIsCountedOneShort)
{
    {
        EditTransaction tx(ws);
        for (int i = 0; i < 5; ++i)
            tx.WritePoint(i, 1.0);
        tx.WritePointText(7, "", false);
    }
    EXPECT_EQ(ws.edit.PointCount, 4);
    EXPECT_EQ(ws.edit.WaveText[7], "0");
}

TEST_F(WorkspaceTest, AValueThatIsNotFiniteIsRefusedAndThePointKept)
{
    EditTransaction tx(ws);
    tx.WritePoints(0, {1.0, 2.0});
    for (double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        tx.WritePoint(1, bad);
        tx.WritePointRun(0, 2, bad);
        EXPECT_EQ(ws.edit.WaveText[0], "+1.000000E+00");
        EXPECT_EQ(ws.edit.WaveText[1], "+2.000000E+00");
    }
}

TEST_F(WorkspaceTest, FullDocumentKeepsItsPointsAcrossActivation)
{
    DocumentWindow* first = ws.activeWindow();
    auto& store = ws.docs.DocSlots[0].store;
    std::fill(store.begin(), store.begin() + kMaxPoints, 0.5);
    store[kMaxPoints] = kEndMarker;
    ws.New();
    ws.ActivateWindow(first);
    EXPECT_EQ(ws.edit.PointCount, kMaxPoints);
    EXPECT_EQ(ws.edit.WaveText.value(kLastPoint), 0.5);
    EXPECT_EQ(ws.edit.PlotColumn, 512);
}

TEST_F(WorkspaceTest, PlotCacheTakesEveryThirtySecondPoint)
{
    write(std::vector<double>(16, 5.0));
    ws.RebuildPlotCache();
    EXPECT_EQ(ws.edit.PlotColumn, 1);
    EXPECT_NEAR(ws.edit.PlotY[0], -0.0608, 1e-4);

    std::vector<double> ramp(65, 0.0);
    ramp[32] = 1.0;
    ramp[64] = -2.0;
    write(ramp);
    ws.RebuildPlotCache();
    ASSERT_EQ(ws.edit.PlotColumn, 3);
    EXPECT_DOUBLE_EQ(ws.edit.PlotY[1], MillivoltsToPlotY(1000));
    EXPECT_DOUBLE_EQ(ws.edit.PlotY[2], MillivoltsToPlotY(-2000));
}

// The points under the selected columns up to the end marker (point i holds i mV here); exactly
// two or thirty-four of them take the Math items away and offer Expand.
TEST_F(WorkspaceTest, CaptureSelectionTakesThePointsUnderTheColumns)
{
    const struct {
        int count, from, to, first, last;
        bool math;
    } cases[] = {
        {1000, 10, 10, 319, 32, true}, {1000, 3, 0, 0, 127, true},  // dragged leftwards
        {100, 2, 40, 63, 36, true},    {320, 10, 10, 319, 0, true},  {321, 10, 10, 319, 1, false},
        {322, 10, 10, 319, 2, true},   {352, 10, 11, 319, 32, true}, {353, 10, 11, 319, 33, false},
        {354, 10, 11, 319, 34, true},
    };
    for (const auto& c : cases) {
        std::vector<double> values(static_cast<size_t>(c.count));
        for (size_t i = 0; i < values.size(); ++i)
            values[i] = static_cast<double>(i) / 1000;
        write(values);
        ws.commands.enable({Cmd::Invert, Cmd::Add});
        ws.commands.disable({Cmd::Expand});
        ws.edit.SelStartX = static_cast<int16_t>(c.from);
        ws.edit.SelEndX = static_cast<int16_t>(c.to);
        ws.CaptureSelection();
        SCOPED_TRACE(std::to_string(c.count) + " points, columns " + std::to_string(c.from));
        EXPECT_EQ(ws.edit.SelLast, c.last);
        EXPECT_EQ(ws.edit.SelStartX, std::min(c.from, c.to));
        EXPECT_EQ(ws.edit.SelEndX, std::max(c.from, c.to));
        EXPECT_DOUBLE_EQ(ws.edit.SelVolts[0], c.first / 1000.0);
        if (c.last >= 32)
            EXPECT_EQ(ws.edit.SelPreview[1], ws.edit.SelVolts[32]);
        for (const char* item : {"mnuInvert", "mnuAdd"})
            EXPECT_EQ(ws.commands.isEnabled(item), c.math) << item;
        EXPECT_EQ(ws.commands.isEnabled("mnuExpand"), !c.math);
    }
}

TEST_F(WorkspaceTest, CaptureSelectionRaisesOnlyValuesAtOrBelowMinusFivePointZeroOne)
{
    write({-5.005, -5.01, -5.02, -5.0, -5.009, -6.0, 5.0});
    ws.edit.SelStartX = ws.edit.SelEndX = 0;
    ws.CaptureSelection();
    ASSERT_EQ(ws.edit.SelLast, 6);
    const double expected[] = {-5.005, -5.0, -5.0, -5.0, -5.009, -5.0, 5.0};
    for (int i = 0; i < 7; ++i)
        EXPECT_DOUBLE_EQ(ws.edit.SelVolts[static_cast<size_t>(i)], expected[i]) << i;
}

TEST_F(WorkspaceTest, SwitchingWindowsRestoresEachWaveformExactly)
{
    DocumentWindow* a = ws.activeWindow();
    const std::vector<double> first = {0.1, -1.0 / 3, 4.999999, -5.0, 0.0};
    {
        EditTransaction tx(ws);
        for (size_t i = 0; i < first.size(); ++i)
            tx.WritePointText(static_cast<int>(i), GeneralNumberText(first[i]), false);
        tx.PlaceEndMarker(5);
    }
    DocumentWindow* b = ws.New();
    write({2.5, 2.5});
    ws.ActivateWindow(a);
    ASSERT_EQ(ws.edit.PointCount, 5);
    for (size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(ws.edit.WaveText.value(static_cast<int>(i)), first[i]);
    EXPECT_FALSE(ws.edit.PointDefined[5]);
    ws.ActivateWindow(b);
    ASSERT_EQ(ws.edit.PointCount, 2);
    EXPECT_EQ(ws.edit.WaveText[3], "0");
}

TEST_F(WorkspaceTest, AShortenedDocumentCountsAsChanged)
{
    write({1.0, 2.0, 3.0});
    ws.activeSlot()->markSaved(3);
    EditTransaction(ws).ClearEditBuffer(3);  // everything cleared: no points left
    ws.CloseWindow(ws.activeWindow());
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(test::Messages(prompter.shown)[0].startsWith("TLV | Save changes to "));
    EXPECT_EQ(saves, 0);  // answered No
}

TEST_F(WorkspaceTest, ClosingTheLastWindowDisablesTheDocumentCommands)
{
    write({1.0});
    ws.CloseWindow(ws.New());
    EXPECT_TRUE(ws.commands.isToolbarEnabled(2));
    EXPECT_EQ(ws.edit.PointCount, 1);  // the remaining window is active again
    ws.Close();  // asks, takes No
    EXPECT_TRUE(ws.windows().empty());
    for (const char* item : {"mnuClose", "mnuSave", "mnuSine", "mnuFreehand", "mnuClear", "mnuExpand"})
        EXPECT_FALSE(ws.commands.isEnabled(item)) << item;
}

TEST_F(WorkspaceTest, NewRestoresAMaximisedWindowAndOffersTheWaveformCommands)
{
    DocumentWindow* first = ws.activeWindow();
    ws.SetWindowState(first, WindowState::Maximized);
    ws.New();
    EXPECT_EQ(first->state, WindowState::Normal);
    EXPECT_TRUE(ws.commands.isEnabled("mnuSine"));
    EXPECT_FALSE(ws.commands.isEnabled("mnuSave"));
    EXPECT_TRUE(ws.commands.isButtonPressed(2, 1));
}
