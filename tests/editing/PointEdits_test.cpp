#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "editing/EditCommands.h"
#include "editing/PointEdits.h"
#include "model/ScriptedPrompter.h"
#include "model/Workspace.h"
#include "support/Prompts.h"

using namespace tlv;
using tlv::test::Messages;

class PointEditsTest : public ::testing::Test {
protected:
    PointEditsTest()
    {
        ws.prompter = &prompter;
        ws.New();
        test::FillWaveform(ws, std::vector<double>(100, 1.0));
        ws.activeSlot()->markSaved(100);  // as saved: an edit shows as a change
    }
    double at(int i) const { return ws.edit.WaveText.value(i); }

    Workspace ws;
    ScriptedPrompter prompter;
};

TEST_F(PointEditsTest, ARunWritesExactlyItsPointsAsOneUndoableEdit)
{
    const double run[] = {-5.0, 5.0, 0.5};
    ASSERT_TRUE(SetPoints(ws, 97, run));
    EXPECT_EQ(at(96), 1.0);
    EXPECT_EQ(at(97), -5.0);
    EXPECT_EQ(at(99), 0.5);
    EXPECT_EQ(ws.edit.WaveText[100], "999");
    EXPECT_EQ(ws.activeSlot()->store[98], 5.0);  // committed
    EXPECT_TRUE(ws.ActiveDocumentChanged());
    UndoLastEdit(ws);
    for (int i : {97, 98, 99})
        EXPECT_EQ(at(i), 1.0) << i;
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_FALSE(ws.ActiveDocumentChanged());
}

TEST_F(PointEditsTest, RefusesPointsPastTheEndAndValuesThatAreNoVoltsWithinFive)
{
    const double ok = 2.0;
    ASSERT_TRUE(SetPoints(ws, 0, {&ok, 1}));
    ASSERT_TRUE(SetPoints(ws, 99, {&ok, 1}));
    ws.edit.UndoReady = false;
    struct Case {
        int index;
        std::vector<double> volts;
        const char* message;
    };
    const char* const range = "TLV | A point's value must be a number from -5 V to +5 V.";
    const Case cases[] = {
        {100, {2.0}, "TLV | Point 100 is not part of the waveform (points 0 to 99)."},
        {99, {2.0, 2.0}, "TLV | Point 100 is not part of the waveform (points 0 to 99)."},
        {-1, {2.0}, "TLV | Point -1 is not part of the waveform (points 0 to 99)."},
        {5, {std::nextafter(5.0, 6.0)}, range},
        {5, {std::nextafter(-5.0, -6.0)}, range},
        {5, {2.0, std::numeric_limits<double>::quiet_NaN()}, range},
        {5, {std::numeric_limits<double>::infinity()}, range},
    };
    for (const Case& c : cases) {
        prompter.shown.clear();
        EXPECT_FALSE(SetPoints(ws, c.index, c.volts)) << c.message;
        EXPECT_EQ(Messages(prompter.shown), QStringList{c.message});
        EXPECT_EQ(at(5), 1.0);
        EXPECT_FALSE(ws.edit.UndoReady) << c.message;  // no snapshot taken
    }
    prompter.shown.clear();
    EXPECT_FALSE(SetPointText(ws, 5, "1,5"));
    EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | \"1,5\" is not a number of volts."});
    EXPECT_TRUE(SetPointText(ws, 5, " -25e-1 "));
    EXPECT_EQ(at(5), -2.5);
}

TEST(SnapToInstrumentStep, TakesTheNearestOf4096LevelsFromMinusToPlusFive)
{
    EXPECT_EQ(SnapToInstrumentStep(-5.0), -5.0);
    EXPECT_EQ(SnapToInstrumentStep(5.0), 5.0);
    EXPECT_EQ(SnapToInstrumentStep(5.2), 5.0);
    EXPECT_DOUBLE_EQ(SnapToInstrumentStep(0.0), -5.0 + 2048 * kInstrumentStep);
    EXPECT_DOUBLE_EQ(SnapToInstrumentStep(-5.0 + 0.49 * kInstrumentStep), -5.0);
    EXPECT_DOUBLE_EQ(SnapToInstrumentStep(-5.0 + 0.51 * kInstrumentStep), -5.0 + kInstrumentStep);
}
