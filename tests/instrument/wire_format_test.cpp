// Points to instrument codes and bytes, and the commands that frame them.
#include <gtest/gtest.h>

#include "instrument/WireFormat.h"

using namespace tlv;

TEST(DownloadValues, CodesOfTheVoltageScale)
{
    const struct {
        double volts;
        int code;
    } cases[] = {
        {-5.0, -2048}, {-2.5, -1024}, {0.0, 0},     {1.0, 409},    {2.5, 1024},
        {4.99, 2044},  {5.0, 2047},   {-1.0, -410}, {-6.0, -2048}, {-5.01, -2048},
        {5.01, 2047},  {100.0, 2047},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValueCode(c.volts), c.code) << c.volts << " V";
}

TEST(DownloadValues, WordsGoLowByteFirst)
{
    EXPECT_EQ(WireBytes(ValueCode(-1.0)), QByteArray("\x66\x06", 2));
    EXPECT_EQ(WireBytes(ValueCode(-5.0)), QByteArray("\x00\x00", 2));
    EXPECT_EQ(WireBytes(ValueCode(0.0)), QByteArray("\x00\x08", 2));
    EXPECT_EQ(WireBytes(ValueCode(5.0)), QByteArray("\xFF\x0F", 2));
    EXPECT_EQ(WireWord(-2048), 0);
    EXPECT_EQ(WireWord(0), 2048);
    EXPECT_EQ(WireWord(2047), 4095);
}

TEST(DownloadValues, AtMost16383ValuesAreSent)
{
    std::vector<double> volts(16384);
    for (size_t i = 0; i < volts.size(); ++i)
        volts[i] = i % 2 ? 2.5 : -2.5;
    const std::vector<int> codes = PrepareValues(volts);
    ASSERT_EQ(codes.size(), 16383u);
    EXPECT_EQ(codes.front(), -1024);
    EXPECT_EQ(codes.back(), -1024);  // point 16382; point 16383 (+2.5 V) is lost
    EXPECT_EQ(LengthCommand(static_cast<int>(codes.size())), "V216383");

    volts.resize(16383);
    EXPECT_EQ(PrepareValues(volts).size(), 16383u);
    EXPECT_EQ(PrepareValues({4.99}), std::vector<int>{2044});
    EXPECT_TRUE(PrepareValues({}).empty());
}

TEST(DownloadValues, CommandTexts)
{
    EXPECT_EQ(LengthCommand(1000), "V21000");
    EXPECT_EQ(LengthCommand(1), "V21");
    EXPECT_EQ(LengthCommand(0), "V20");
    EXPECT_EQ(ChannelCommand(0), "F0");
    EXPECT_EQ(ChannelCommand(-1), "F1");
    EXPECT_EQ(ChannelCommand(1), "F1");
}
