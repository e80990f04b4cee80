// Points to instrument codes and bytes, and the commands that frame them.
#include <gtest/gtest.h>

#include "instrument/WireFormat.h"

using namespace tlv;

// Codes round down and clip at both ends of the scale.
TEST(DownloadValues, CodesOfTheVoltageScale)
{
    const std::pair<double, int> cases[] = {
        {-5.0, -2048}, {-2.5, -1024}, {0.0, 0},     {1.0, 409},    {2.5, 1024},   {4.99, 2044},
        {5.0, 2047},   {-1.0, -410},  {-6.0, -2048}, {-5.01, -2048}, {5.01, 2047}, {100.0, 2047},
    };
    for (const auto& [volts, code] : cases)
        EXPECT_EQ(ValueCode(volts), code) << volts << " V";
}

TEST(DownloadValues, WordsGoLowByteFirst)
{
    EXPECT_EQ(WireBytes(-410), QByteArray("\x66\x06", 2));
    EXPECT_EQ(WireBytes(-2048), QByteArray("\x00\x00", 2));
    EXPECT_EQ(WireBytes(0), QByteArray("\x00\x08", 2));
    EXPECT_EQ(WireBytes(2047), QByteArray("\xFF\x0F", 2));
}

TEST(DownloadValues, AtMost16383ValuesAreSent)
{
    std::vector<double> volts(16384);
    for (size_t i = 0; i < volts.size(); ++i)
        volts[i] = i % 2 ? 2.5 : -2.5;
    const std::vector<int> codes = PrepareValues(volts);
    ASSERT_EQ(codes.size(), 16383u);
    EXPECT_EQ(codes.back(), -1024);  // point 16382; point 16383 (+2.5 V) is lost
    EXPECT_EQ(LengthCommand(static_cast<int>(codes.size())), "V216383");
    volts.resize(16383);
    EXPECT_EQ(PrepareValues(volts).size(), 16383u);
    EXPECT_TRUE(PrepareValues({}).empty());
    EXPECT_EQ(LengthCommand(0), "V20");
}
