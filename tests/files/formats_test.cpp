// The AFC and table formats on their own: reading rules and the edges of the table layout.
#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "files/AfcFormat.h"
#include "files/TableFormat.h"

using namespace tlv;

namespace {
using V = std::vector<double>;

std::string Records(std::initializer_list<float> values)
{
    std::string out;
    for (float v : values)
        out.append(reinterpret_cast<const char*>(&v), 4);  // this machine is little-endian, as the file is
    return out;
}

const float kNan = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();
}  // namespace

// A NaN or infinite record before the end makes the content unusable.
TEST(AfcFormat, ReadsWholeFiniteRecordsUpToTheFirstExactEndRecord)
{
    const std::tuple<std::string, V, bool, int> cases[] = {
        {Records({1, 2, 999, 3, 4}), {1, 2}, true, 0}, {Records({999, 1, 2}), {}, true, 0},
        {Records({998.99994f, 999}), {998.99994f}, true, 0},  // 999.0 must match exactly
        {Records({1, 2, 3}) + std::string("\x00\xC0", 2), {1, 2, 3}, false, 0},
        {std::string("\x01\x02\x03", 3), {}, false, 0}, {Records({1, kNan, 2, 999}), {}, false, 2},
        {Records({kInf}), {}, false, 1},
        {Records({1, 999, kNan}), {1}, true, 0},
    };
    for (const auto& [bytes, volts, end, bad] : cases) {
        const AfcContent content = ParseAfc(bytes);
        EXPECT_EQ(content.volts, volts) << bytes.size();
        EXPECT_EQ(content.endRecordFound, end) << bytes.size();
        EXPECT_EQ(content.badRecord, bad) << bytes.size();
    }
    // Never more than 16384 records, however long the file.
    EXPECT_EQ(ParseAfc(std::string(4 * (kAfcMaxRecords + 100), '\0')).volts.size(), size_t(kAfcMaxRecords));
}

TEST(TableFormat, EveryLineKeepsItsTwentyEightBytesToTheLastIndex)
{
    V many(16384, 0.5);
    many[3] = 1e-120;  // a decayed tail: still a two-digit exponent
    many[4] = -0.0;
    const std::string big = TableBytes(many, ',');
    EXPECT_EQ(big.substr(3 * 28, 28), "+3.000000E+00,+0.000000E+00\r");
    EXPECT_EQ(big.substr(4 * 28 + 14, 13), "+0.000000E+00");
    EXPECT_EQ(big.substr(16383 * 28, 13), "+1.638300E+04");
}

TEST(TableScanner, TakesEachNumberEndedByOtherThanASeparatorAndClipsToFiveVolts)
{
    // The PRN and Import separators: the file commands' tests.
    static const char raw[] = "\x00\xff\x80,1\x01\xfe" "2.5\x7f";
    const std::pair<std::string, V> cases[] = {
        {TableBytes({1.25, -4.999, 3.0}, ','), {1.25, -4.999, 3.0}},
        // A header contributes nothing: its lone "e" is dropped at the comma.
        {"Time, Volts\r\n0,1\r\n", {1}},
        // One number a line, no separators, and a last value without a line end.
        {"1\n-2.5\r\n3e-1", {1, -2.5, 0.3}},
        {"e\n+\n.\n-\n1.5E\n1-2\n--1\n2\n", {2}},
        {"7\n-6\n1e999\n-1e999\n1e-999\n5\n-5\n", {5, -5, 5, -5, 0, 5, -5}},
        {std::string(1000, '1') + "\n4\n", {4}},
        {std::string(raw, sizeof raw - 1), {1, 2.5}},
    };
    for (const auto& [text, values] : cases) {
        TableScanner scanner(TableSeparators::Comma);
        scanner.feed(text);
        scanner.finish();
        EXPECT_EQ(scanner.values(), values) << text;
    }
}

TEST(TableScanner, KeepsAtMost16383Values)
{
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "1\n";
    TableScanner whole(TableSeparators::Comma);
    EXPECT_FALSE(whole.feed(text));
    EXPECT_EQ(whole.values().size(), static_cast<size_t>(kTableMaxValues));
}
