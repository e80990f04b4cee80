#include <gtest/gtest.h>

#include <functional>

#include "editing/Transforms.h"
#include "model/CommandNames.h"
#include "model/ScriptedPrompter.h"
#include "model/VoltsText.h"
#include "support/Prompts.h"

namespace tlv {
namespace {
using test::FillWaveform;
using test::Messages;

class Transforms : public ::testing::Test {
protected:
    void SetUp() override
    {
        ws.prompter = &prompter;
        ASSERT_NE(ws.New(), nullptr);
    }

    // A waveform whose point i is volts(i), in place of the last one.
    void Fill(int count, const std::function<double(int)>& volts)
    {
        ClearEditBuffer(ws.edit);
        std::vector<double> values(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            values[static_cast<size_t>(i)] = volts(i);
        FillWaveform(ws, values);
    }

    void Select(int from, int to)
    {
        ws.edit.SelStartX = static_cast<int16_t>(from);
        ws.edit.SelEndX = static_cast<int16_t>(to);
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < kMaxPoints; ++i)
            texts.push_back(ws.edit.WaveText[i]);
        return texts;
    }

    double Value(int i) const { return ws.edit.WaveText.value(i); }
    const std::string& Text(int i) const { return ws.edit.WaveText[i]; }

    ScriptedPrompter prompter;
    Workspace ws;
};

const std::pair<const char*, void (*)(Workspace&)> kInPlace[] = {
    {"Invert", Invert}, {"Mirror", Mirror}, {"Absolute", Absolute}};

TEST_F(Transforms, InvertReflectsAboutZeroAndTwiceRestores)
{
    const std::vector<double> wave = {2.5, -1.0, 0.0, 3.3333333, -4.9876543, 5.0, -5.0};
    Fill(40, [&](int i) { return i < 7 ? wave[static_cast<size_t>(i)] : 0.25; });
    Select(0, 0);  // points 0..31
    Invert(ws);
    EXPECT_EQ(Text(0), "-2.500000E+00");
    EXPECT_EQ(Text(1), "+1.000000E+00");
    EXPECT_EQ(Text(2), "+0.000000E+00");
    EXPECT_EQ(Text(31), "-2.500000E-01");
    EXPECT_EQ(Text(32), "+2.500000E-01");  // past the selection
    Invert(ws);
    for (int i = 0; i < 7; ++i)
        EXPECT_FLOAT_EQ(static_cast<float>(Value(i)), static_cast<float>(wave[static_cast<size_t>(i)]));
    EXPECT_EQ(Text(40), "999");
    EXPECT_EQ(ws.edit.PointCount, 40);
}

TEST_F(Transforms, MirrorReversesOnlyTheSelection)
{
    Fill(100, [](int i) { return i / 100.0; });
    Select(1, 1);  // points 31..63
    Mirror(ws);
    EXPECT_EQ(ws.edit.SelLast, 32);
    for (int i = 0; i < 100; ++i) {
        const int source = i >= 31 && i <= 63 ? 94 - i : i;
        EXPECT_EQ(Text(i), FormatVoltsText(source / 100.0)) << i;
    }
    EXPECT_EQ(Text(100), "999");
    EXPECT_EQ(ws.edit.PointCount, 100);
}

TEST_F(Transforms, MirrorAtTheEndKeepsTheMarkerRightAfterTheLastPoint)
{
    Fill(40, [](int i) { return 1.23456789 + i * 0.01; });
    Select(0, 5);  // runs past the end
    Mirror(ws);
    EXPECT_EQ(ws.edit.SelLast, 39);
    EXPECT_EQ(Text(0), "+1.624568E+00");
    EXPECT_EQ(Text(39), "+1.234568E+00");
    EXPECT_EQ(Text(40), "999");
    EXPECT_FALSE(ws.edit.PointDefined[40]);
    EXPECT_EQ(Text(41), "0");
    EXPECT_EQ(ws.edit.PointCount, 40);
    EXPECT_EQ(ws.activeSlot()->store[40], kEndMarker);
}

TEST_F(Transforms, AbsoluteFoldsNegativesAndLeavesTheRestAlone)
{
    const std::vector<double> wave = {0.0, 0.1, 4.9999999, 5.0, -0.1, -5.0, -2.345678};
    Fill(7, [&](int i) { return wave[static_cast<size_t>(i)]; });
    const std::vector<std::string> before = Texts();
    Select(0, 0);
    Absolute(ws);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Text(i), before[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(Text(4), "+1.000000E-01");
    EXPECT_EQ(Text(5), "+5.000000E+00");
    EXPECT_EQ(Text(6), "+2.345678E+00");
    EXPECT_EQ(Text(7), "999");
    EXPECT_EQ(ws.edit.PointCount, 7);
}

TEST_F(Transforms, EachTakesTheWholeBufferForUndoAndKeepsSelectionAndClipboard)
{
    ws.work.WorkVolts.assign(kMaxPoints, 0.5);
    for (const auto& [name, transform] : kInPlace) {
        Fill(50, [](int i) { return -2.0 + i * 0.05; });
        const std::vector<double> before(ws.edit.WaveText.values(), ws.edit.WaveText.values() + kMaxPoints);
        Select(1, 0);  // ordered by the capture
        transform(ws);
        EXPECT_EQ(ws.edit.UndoVolts, before) << name;
        EXPECT_EQ(ws.edit.UndoVolts[50], kEndMarker) << name;
        EXPECT_EQ(ws.edit.SelStartX, 0) << name;
        EXPECT_EQ(ws.edit.SelEndX, 1) << name;
        EXPECT_TRUE(ws.commands.isEnabled(Cmd::Undo)) << name;
        EXPECT_EQ(ws.activeSlot()->store[0], Value(0)) << name;  // committed
        EXPECT_EQ(ws.work.WorkVolts, std::vector<double>(kMaxPoints, 0.5)) << name;
    }
}

TEST_F(Transforms, ASelectionPastTheEndChangesNoPoint)
{
    for (const auto& [name, transform] : kInPlace) {
        Fill(40, [](int i) { return -1.0 - i * 0.01; });
        const std::vector<std::string> before = Texts();
        Select(100, 120);
        transform(ws);
        EXPECT_EQ(ws.edit.SelLast, -1) << name;
        EXPECT_EQ(Texts(), before) << name;
    }
}

TEST_F(Transforms, AFullBufferKeepsItsLastEntry)
{
    for (const auto& [name, transform] : kInPlace) {
        Fill(kMaxPoints, [](int i) { return i < 8192 ? -1.0 : -2.0; });
        Select(0, 512);
        transform(ws);
        EXPECT_EQ(ws.edit.SelLast, kLastPoint) << name;
        EXPECT_NE(Text(kLastPoint - 1), "-2.000000E+00") << name;  // written
        EXPECT_EQ(Text(kLastPoint), "-2.000000E+00") << name;      // the write-back stops before it
        EXPECT_EQ(ws.edit.PointCount, kMaxPoints) << name;
    }
}

TEST_F(Transforms, ExpandOfAThousandPointsUsesSixteen)
{
    Fill(1000, [](int i) { return (i % 7) * 0.5 - 1.5; });
    ws.edit.ToolMode = 2;
    ws.commands.setButtonPressed(2, Tb2::Line, true);
    EXPECT_EQ(ExpandFactor(1000), 16);
    ExpandToFit(ws);

    EXPECT_EQ(ws.edit.PointCount, 15984);
    EXPECT_EQ(Text(0), FormatVoltsText(-1.5 + 0.5 / 16));  // a sixteenth of the way to point 1
    EXPECT_EQ(Text(15), "-1.000000E+00");                  // point 1 itself
    EXPECT_EQ(Text(16), FormatVoltsText(-1.0 + 0.5 / 16));
    EXPECT_EQ(Text(15983), FormatVoltsText((999 % 7) * 0.5 - 1.5));  // the last input point
    EXPECT_EQ(Text(15984), "999");
    EXPECT_TRUE(ws.edit.PointDefined[15983]);
    EXPECT_FALSE(ws.edit.PointDefined[15984]);
    EXPECT_EQ(ws.edit.UndoVolts[999], (999 % 7) * 0.5 - 1.5);
    EXPECT_EQ(ws.edit.UndoVolts[1000], kEndMarker);
    EXPECT_EQ(ws.edit.PlotColumn, 500);
    EXPECT_EQ(ws.edit.ToolMode, 0);
    EXPECT_TRUE(ws.commands.isButtonPressed(2, Tb2::Marker));
    EXPECT_FALSE(ws.commands.isButtonPressed(2, Tb2::Line));
    EXPECT_EQ(prompter.shown, (QStringList{"wait shown", "wait closed"}));
}

TEST_F(Transforms, ExpandRefusesAWaveformTooLongToDouble)
{
    for (int count : {9000, 8191}) {
        Fill(count, [](int i) { return i * 0.0001; });
        const std::vector<std::string> before = Texts();
        prompter.shown.clear();
        ExpandToFit(ws);
        EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | Shortage Editing Space "}) << count;
        EXPECT_EQ(Texts(), before) << count;
        EXPECT_EQ(ws.edit.UndoVolts[0], 0.0) << count;  // no snapshot taken
    }
    Fill(8190, [](int i) { return i * 0.0001; });  // the longest that doubles
    ExpandToFit(ws);
    EXPECT_EQ(ws.edit.PointCount, 16378);
    EXPECT_EQ(Text(16377), FormatVoltsText(8189 * 0.0001));
}

TEST_F(Transforms, ExpandLeavesASinglePointAlone)
{
    Fill(1, [](int) { return 1.5; });
    ExpandToFit(ws);
    EXPECT_EQ(Text(0), "+1.500000E+00");
    EXPECT_EQ(Text(1), "999");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(Transforms, ExpandNeverWritesPastTheBuffer)
{
    // Flags left defined past a count that is too small: the factor comes from the count, the
    // points from the flags, and the result still stops at 16383 points.
    Fill(5000, [](int i) { return (i % 2) * 1.0; });
    ws.edit.PointCount = 10;
    ExpandToFit(ws);
    EXPECT_EQ(ws.edit.PointCount, kLastPoint);
    EXPECT_EQ(Text(kLastPoint), "999");
}

TEST(ExpandedVolts, InterpolatesEndsOnEachPointAndStopsAtTheBuffer)
{
    const std::vector<double> three = {0.0, 1.0, -1.0};
    const std::vector<double> out = ExpandedVolts(three, 4);
    EXPECT_EQ(out, (std::vector<double>{0.25, 0.5, 0.75, 1.0, 0.5, 0.0, -0.5, -1.0}));
    EXPECT_TRUE(ExpandedVolts(std::vector<double>{2.0}, 8).empty());
    EXPECT_EQ(ExpandedVolts(std::vector<double>(10000, 1.0), 2).size(), 16383u);
    EXPECT_EQ(ExpandFactor(8190), 2);
    EXPECT_EQ(ExpandFactor(8191), 1);
    EXPECT_EQ(ExpandFactor(0), kLastPoint);
}

}  // namespace
}  // namespace tlv
