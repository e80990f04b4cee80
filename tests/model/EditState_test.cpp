#include <gtest/gtest.h>

#include <cmath>

#include "model/EditTransaction.h"
#include "model/Scale.h"
#include "model/VoltsText.h"
#include "model/Workspace.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"

using namespace tlv;

TEST(Scale, ConversionsUseTheirOwnSpans)
{
    EXPECT_NEAR(MillivoltsToPlotY(5000), -0.0608, 1e-4);
    EXPECT_DOUBLE_EQ(MillivoltsToPlotY(-5000), 304.0);
    EXPECT_DOUBLE_EQ(PlotYToMillivolts(0), 5000.0);
    EXPECT_DOUBLE_EQ(PlotYToMillivolts(304), -5000.0);
    EXPECT_DOUBLE_EQ(PlotXToPoint(512), 16383.0);
    EXPECT_DOUBLE_EQ(PlotYFromCentre(100), -52.0);
}

class WorkspaceTest : public ::testing::Test {
protected:
    WorkspaceTest() { ws.prompter = &prompter; }

    // Writes values through the edit path, with the end marker after them.
    void write(const std::vector<double>& volts)
    {
        EditTransaction(ws).WritePoints(0, volts);
    }

    Workspace ws;
    ScriptedPrompter prompter;
};

TEST_F(WorkspaceTest, CommitStoresTheBufferWithItsMarkerAndSetsEnabling)
{
    ws.New();
    write({1.0, 0.0, 0.0});  // trailing zeros still count: the marker ends the scan
    EXPECT_EQ(ws.edit.PointCount, 3);
    const auto& store = ws.docs.DocSlots[0].store;
    EXPECT_EQ(store[2], 0.0);
    EXPECT_EQ(store[3], kEndMarker);
    EXPECT_TRUE(ws.commands.isEnabled("mnuSave"));

    EditTransaction(ws).ClearEditBuffer(3);
    EXPECT_EQ(ws.edit.PointCount, 0);
    EXPECT_EQ(ws.docs.DocSlots[0].store[0], kEndMarker);
    EXPECT_FALSE(ws.commands.isEnabled("mnuClearall"));
}

TEST_F(WorkspaceTest, BufferWithoutMarkerIsCountedOneShort)
{
    ws.New();
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
    ws.New();
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
    DocumentWindow* first = ws.New();
    auto& store = ws.docs.DocSlots[0].store;
    for (int i = 0; i < kMaxPoints; ++i)
        store[static_cast<size_t>(i)] = 0.5;
    store[kMaxPoints] = kEndMarker;
    ws.New();
    ws.ActivateWindow(first);
    EXPECT_EQ(ws.edit.PointCount, kMaxPoints);
    EXPECT_EQ(ws.edit.WaveText.value(kLastPoint), 0.5);
    EXPECT_EQ(ws.edit.PlotColumn, 512);
}

TEST_F(WorkspaceTest, PlotCacheTakesEveryThirtySecondPoint)
{
    ws.New();
    write(std::vector<double>(16, 5.0));
    ws.RebuildPlotCache();
    EXPECT_EQ(ws.edit.PlotColumn, 1);
    EXPECT_NEAR(ws.edit.PlotY[0], -0.0608, 1e-4);

    std::vector<double> ramp(65);
    for (size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = -5.0 + static_cast<double>(i) / 10;
    write(ramp);
    ws.RebuildPlotCache();
    ASSERT_EQ(ws.edit.PlotColumn, 3);
    EXPECT_DOUBLE_EQ(ws.edit.PlotY[1], MillivoltsToPlotY(ramp[32] * 1000));
    EXPECT_DOUBLE_EQ(ws.edit.PlotY[2], MillivoltsToPlotY(ramp[64] * 1000));
}

TEST_F(WorkspaceTest, CaptureSelectionTakesThePointsUnderTheColumns)
{
    ws.New();
    std::vector<double> values(1000);
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<double>(i) / 1000;
    values[330] = -5.2;
    write(values);

    ws.edit.SelStartX = ws.edit.SelEndX = 10;
    ws.CaptureSelection();
    EXPECT_EQ(ws.edit.SelLast, 32);
    EXPECT_DOUBLE_EQ(ws.edit.SelVolts[0], 0.319);
    EXPECT_DOUBLE_EQ(ws.edit.SelVolts[11], -5.0);  // point 330 is below -5.01 V
    EXPECT_DOUBLE_EQ(ws.edit.SelPreview[1], ws.edit.SelVolts[32]);

    ws.edit.SelStartX = 3;
    ws.edit.SelEndX = 0;  // dragged leftwards
    ws.CaptureSelection();
    EXPECT_EQ(ws.edit.SelStartX, 0);
    EXPECT_EQ(ws.edit.SelEndX, 3);
    EXPECT_EQ(ws.edit.SelLast, 127);

}

TEST_F(WorkspaceTest, CaptureSelectionRaisesOnlyValuesAtOrBelowMinusFivePointZeroOne)
{
    ws.New();
    write({-5.005, -5.01, -5.02, -5.0, -5.009, -6.0, 5.0});
    ws.edit.SelStartX = ws.edit.SelEndX = 0;
    ws.CaptureSelection();
    ASSERT_EQ(ws.edit.SelLast, 6);
    const double expected[] = {-5.005, -5.0, -5.0, -5.0, -5.009, -5.0, 5.0};
    for (int i = 0; i < 7; ++i)
        EXPECT_DOUBLE_EQ(ws.edit.SelVolts[static_cast<size_t>(i)], expected[i]) << i;
}

TEST_F(WorkspaceTest, SelectionPastTheEndStopsAtTheMarker)
{
    ws.New();
    write(std::vector<double>(100, 1.0));
    ws.commands.enable({Cmd::Invert});
    ws.edit.SelStartX = 2;
    ws.edit.SelEndX = 40;
    ws.CaptureSelection();
    EXPECT_EQ(ws.edit.SelLast, 36);  // points 63..99
    EXPECT_TRUE(ws.commands.isEnabled("mnuInvert"));  // neither 2 nor 34 values: left alone
}

TEST_F(WorkspaceTest, TwoOrThirtyFourCapturedValuesDisableTheMathItems)
{
    ws.New();
    write(std::vector<double>(321, 1.0));
    ws.commands.enable({Cmd::Invert, Cmd::Add});
    ws.commands.disable({Cmd::Expand});
    ws.edit.SelStartX = ws.edit.SelEndX = 10;
    ws.CaptureSelection();
    ASSERT_EQ(ws.edit.SelLast, 1);  // points 319 and 320, then the marker
    EXPECT_FALSE(ws.commands.isEnabled("mnuInvert"));
    EXPECT_FALSE(ws.commands.isEnabled("mnuAdd"));
    EXPECT_TRUE(ws.commands.isEnabled("mnuExpand"));
}
