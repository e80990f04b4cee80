#include <gtest/gtest.h>

#include "editing/Transforms.h"
#include "model/CommandNames.h"
#include "model/ScriptedPrompter.h"
#include "model/VoltsText.h"
#include "support/Prompts.h"

// The values each transform writes, Invert again restoring them, are shown by the
// math_transforms end-to-end script.
namespace tlv {
namespace {
using test::Messages;

class Transforms : public ::testing::Test {
protected:
    void SetUp() override
    {
        ws.prompter = &prompter;
        ASSERT_NE(ws.New(), nullptr);
    }

    // A waveform whose point i is volts(i), in place of the last one.
    template <typename Volts>
    void Fill(int count, Volts volts)
    {
        std::vector<double> values(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            values[static_cast<size_t>(i)] = volts(i);
        EditTransaction(ws, EditTransaction::Closing::Redraw).ClearEditBuffer();
        test::FillWaveform(ws, values);
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < kMaxPoints; ++i)
            texts.push_back(ws.edit.WaveText[i]);
        return texts;
    }

    const std::string& Text(int i) const { return ws.edit.WaveText[i]; }

    ScriptedPrompter prompter;
    Workspace ws;
};

TEST_F(Transforms, InPlaceTransformsWriteBackOnlyTheCapturedPoints)
{
    const std::pair<const char*, void (*)(Workspace&)> transforms[] = {
        {"Invert", Invert}, {"Mirror", Mirror}, {"Absolute", Absolute}};
    for (const auto& [name, transform] : transforms) {
        // Columns 1..0, ordered by the capture: points 0..63 of 100; the clipboard stays.
        Fill(100, [](int i) { return -2.0 + i * 0.03; });
        const std::vector<std::string> before = Texts();
        ws.work.WorkVolts.assign(kMaxPoints, 0.5);
        ws.edit.SelStartX = 1;
        ws.edit.SelEndX = 0;
        transform(ws);
        EXPECT_NE(Text(0), before[0]) << name;
        EXPECT_NE(Text(63), before[63]) << name;
        EXPECT_EQ(Text(64), before[64]) << name;
        EXPECT_EQ(Text(100), "999") << name;
        for (int i = 0; i <= 100; ++i)
            ASSERT_EQ(ws.edit.UndoVolts[static_cast<size_t>(i)], TextToNumber(before[static_cast<size_t>(i)])) << name;
        EXPECT_EQ(ws.edit.SelStartX, 0) << name;
        EXPECT_EQ(ws.edit.SelEndX, 1) << name;
        EXPECT_EQ(ws.work.WorkVolts, std::vector<double>(kMaxPoints, 0.5)) << name;
        EXPECT_EQ(ws.activeSlot()->store[0], ws.edit.WaveText.value(0)) << name;  // committed

        // Past the end nothing is captured and nothing written.
        const std::vector<std::string> now = Texts();
        ws.edit.SelStartX = 100;
        ws.edit.SelEndX = 120;
        transform(ws);
        EXPECT_EQ(ws.edit.SelLast, -1) << name;
        EXPECT_EQ(Texts(), now) << name;

        // A full buffer: the write-back stops before its last entry.
        Fill(kMaxPoints, [](int i) { return i < 8192 ? -1.0 : -2.0; });
        ws.edit.SelStartX = 0;
        ws.edit.SelEndX = 512;
        transform(ws);
        EXPECT_EQ(ws.edit.SelLast, kLastPoint) << name;
        EXPECT_NE(Text(kLastPoint - 1), "-2.000000E+00") << name;
        EXPECT_EQ(Text(kLastPoint), "-2.000000E+00") << name;
    }
}

TEST_F(Transforms, ExpandOfAThousandPointsUsesSixteen)
{
    Fill(1000, [](int i) { return (i % 7) * 0.5 - 1.5; });
    ws.edit.ToolMode = 2;
    ws.commands.setButtonPressed(2, Tb2::Line, true);
    ExpandToFit(ws);
    EXPECT_EQ(ws.edit.PointCount, 15984);
    EXPECT_EQ(Text(0), FormatVoltsText(-1.5 + 0.5 / 16));  // a sixteenth of the way to point 1
    EXPECT_EQ(Text(15), "-1.000000E+00");                  // point 1 itself
    EXPECT_EQ(Text(15983), "+1.000000E+00");  // the last input point, 999
    EXPECT_FALSE(ws.edit.PointDefined[15984]);
    EXPECT_EQ(ws.edit.ToolMode, 0);
    EXPECT_TRUE(ws.commands.isButtonPressed(2, Tb2::Marker));
    EXPECT_FALSE(ws.commands.isButtonPressed(2, Tb2::Line));
    EXPECT_EQ(prompter.shown, (QStringList{"wait shown", "wait closed"}));
}

TEST_F(Transforms, ExpandDoublesAtMost8190Points)
{
    Fill(8191, [](int i) { return i * 0.0001; });
    const std::vector<std::string> before = Texts();
    ExpandToFit(ws);
    EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | Shortage Editing Space "});
    EXPECT_EQ(Texts(), before);
    EXPECT_EQ(ws.edit.UndoVolts[0], 0.0);  // no snapshot taken

    Fill(8190, [](int i) { return i * 0.0001; });
    ExpandToFit(ws);
    EXPECT_EQ(ws.edit.PointCount, 16378);
    EXPECT_EQ(Text(16377), FormatVoltsText(8189 * 0.0001));
}

TEST_F(Transforms, ExpandStaysWithinTheBufferAndLeavesOnePointAlone)
{
    // Flags defined past a count that is too small: the factor comes from the count, the points
    // from the flags, and the result still stops at 16383 points.
    Fill(5000, [](int i) { return (i % 2) * 1.0; });
    EditTransaction(ws, EditTransaction::Closing::Redraw).SetPointCount(10);
    ExpandToFit(ws);
    EXPECT_EQ(ws.edit.PointCount, kLastPoint);
    EXPECT_EQ(Text(kLastPoint), "999");

    Fill(1, [](int) { return 1.5; });
    prompter.shown.clear();
    ExpandToFit(ws);
    EXPECT_EQ(Text(0), "+1.500000E+00");
    EXPECT_EQ(Text(1), "999");
    EXPECT_TRUE(prompter.shown.empty());
}

}  // namespace
}  // namespace tlv
