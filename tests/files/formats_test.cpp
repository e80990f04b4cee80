// The AFC and table formats on their own: byte layouts and reading rules (the round trip through
// each is in the files-roundtrip script).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "files/AfcFormat.h"
#include "files/TableFormat.h"

using namespace tlv;

namespace {
std::string Records(std::initializer_list<float> values)
{
    std::string out;
    for (float v : values) {
        char bytes[4];
        std::memcpy(bytes, &v, 4);  // this machine is little-endian, as the file is
        out.append(bytes, 4);
    }
    return out;
}

std::vector<double> Scan(std::string_view text, TableSeparators separators)
{
    TableScanner scanner(separators);
    scanner.feed(text);
    scanner.finish();
    return scanner.values();
}
}  // namespace

TEST(AfcFormat, WritesLittleEndianSinglesThenTheEndRecord)
{
    const std::string bytes = AfcBytes({1.25, -4.999, 0.0});
    ASSERT_EQ(bytes.size(), 16u);  // 4 x (3 + 1)
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x00\x00\xA0\x3F", 4));
    EXPECT_EQ(bytes.substr(12), std::string("\x00\xC0\x79\x44", 4));
    EXPECT_EQ(AfcBytes({}), std::string("\x00\xC0\x79\x44", 4));
}

TEST(AfcFormat, TheFirstEndRecordClosesTheData)
{
    EXPECT_EQ(ParseAfc(Records({1, 2, 999, 3, 4})).volts, (std::vector<double>{1, 2}));
    EXPECT_TRUE(ParseAfc(Records({999, 1, 2})).endRecordFound);
    // 999.0 must match exactly.
    EXPECT_EQ(ParseAfc(Records({998.99994f, 999})).volts.size(), 1u);
}

TEST(AfcFormat, AFileWithoutEndRecordEndsWithItsLastWholeRecord)
{
    std::string truncated = Records({1, 2, 3}) + std::string("\x00\xC0", 2);
    const AfcContent content = ParseAfc(truncated);
    EXPECT_EQ(content.volts, (std::vector<double>{1, 2, 3}));
    EXPECT_FALSE(content.endRecordFound);
    EXPECT_TRUE(ParseAfc(std::string("\x01\x02\x03", 3)).volts.empty());

    // Never more than 16384 records, however long the file.
    std::string huge(4 * (kAfcMaxRecords + 100), '\0');
    EXPECT_EQ(ParseAfc(huge).volts.size(), static_cast<size_t>(kAfcMaxRecords));
}

TEST(AfcFormat, NanOrInfiniteRecordsMakeTheContentUnusable)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    AfcContent content = ParseAfc(Records({1, nan, 2, 999}));
    EXPECT_EQ(content.badRecord, 2);
    EXPECT_TRUE(content.volts.empty());
    EXPECT_EQ(ParseAfc(Records({-inf})).badRecord, 1);
    // After the end record nothing counts.
    EXPECT_EQ(ParseAfc(Records({1, 999, nan})).badRecord, 0);
}

TEST(TableFormat, WritesTwentyEightByteLinesEndedByACarriageReturn)
{
    const std::string csv = TableBytes({1.25, -4.999, 0.0}, ',');
    ASSERT_EQ(csv.size(), 84u);
    EXPECT_EQ(csv,
              "+0.000000E+00,+1.250000E+00\r"
              "+1.000000E+00,-4.999000E+00\r"
              "+2.000000E+00,+0.000000E+00\r");
    EXPECT_EQ(TableBytes({5.0}, '\t'), "+0.000000E+00\t+5.000000E+00\r");

    std::vector<double> many(16384, 0.5);
    many[3] = 1e-120;  // a decayed tail: still a two-digit exponent
    many[4] = -0.0;
    const std::string big = TableBytes(many, ',');
    EXPECT_EQ(big.substr(3 * 28, 28), "+3.000000E+00,+0.000000E+00\r");
    EXPECT_EQ(big.substr(4 * 28 + 14, 13), "+0.000000E+00");
    EXPECT_EQ(big.substr(16383 * 28, 13), "+1.638300E+04");
}

TEST(TableScanner, TakesTheLastColumnOfEachLine)
{
    const std::string csv = TableBytes({1.25, -4.999, 3.0}, ',');
    EXPECT_EQ(Scan(csv, TableSeparators::Comma), (std::vector<double>{1.25, -4.999, 3.0}));
    // Through the PRN reader the comma is an ordinary character: the index column counts too.
    EXPECT_EQ(Scan(csv, TableSeparators::Tab), (std::vector<double>{0, 1.25, 1, -4.999, 2, 3.0}));
    // A header contributes nothing: its lone "e" is dropped at the comma.
    EXPECT_EQ(Scan("Time, Volts\r\n0,1\r\n", TableSeparators::Comma), (std::vector<double>{1}));
    // One number a line, no separators, and a last value without a line end.
    EXPECT_EQ(Scan("1\n-2.5\r\n3e-1", TableSeparators::Comma), (std::vector<double>{1, -2.5, 0.3}));
}

TEST(TableScanner, SkipsWhatIsNoNumberAndClipsToFiveVolts)
{
    EXPECT_EQ(Scan("e\n+\n.\n-\n1.5E\n1-2\n--1\n2\n", TableSeparators::Comma), (std::vector<double>{2}));
    EXPECT_EQ(Scan("7\n-6\n1e999\n-1e999\n1e-999\n", TableSeparators::Comma),
              (std::vector<double>{5, -5, 5, -5, 0}));
    EXPECT_EQ(Scan(std::string(1000, '1') + "\n4\n", TableSeparators::Comma), (std::vector<double>{4}));
    static const char raw[] = "\x00\xff\x80,1\x01\xfe" "2.5\x7f";
    const std::string garbage(raw, sizeof raw - 1);
    EXPECT_EQ(Scan(garbage, TableSeparators::Comma), (std::vector<double>{1, 2.5}));
}

TEST(TableScanner, KeepsAtMost16383ValuesAndNeedsNoWholeText)
{
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "1\n";
    TableScanner whole(TableSeparators::Comma);
    EXPECT_FALSE(whole.feed(text));
    EXPECT_EQ(whole.values().size(), static_cast<size_t>(kTableMaxValues));

    // Pieces of any size give what the whole text gives.
    const std::string csv = "Time, Volts\r" + TableBytes({0.5, -1.0, 4.25, -0.001}, ',') + "9";
    TableScanner bytewise(TableSeparators::Comma);
    for (char c : csv)
        bytewise.feed(std::string_view(&c, 1));
    bytewise.finish();
    EXPECT_EQ(bytewise.values(), Scan(csv, TableSeparators::Comma));
    EXPECT_EQ(bytewise.values().size(), 5u);
}
