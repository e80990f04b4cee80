#include <gtest/gtest.h>

#include "editing/ColumnRoutines.h"
#include "editing/PlotReadout.h"
#include "editing/PointEdits.h"

using namespace tlv;

namespace {
double Row(const PlotCache& edit, int column)
{
    return edit.rows[static_cast<size_t>(column)];
}
}  // namespace

TEST(ColumnRounding, HalvesAwayFromZeroAndXToOneDecimalInSinglePrecision)
{
    for (auto [value, whole] : {std::pair{0.49, 0}, {0.5, 1}, {2.5, 3}, {-0.49, 0}, {-0.5, -1}})
        EXPECT_EQ(RoundToWhole(value), whole) << value;
    // 10.45f * 10 is 104.5 in single precision; in double it would be 104.4999..., column 10.
    for (auto [x, column] : {std::pair{0.44f, 0}, {10.45f, 11}, {511.5f, 512}, {-0.5f, -1}})
        EXPECT_EQ(ColumnOfX(x), column) << x;
}

TEST(FillColumnsLinear, StartsFromTheStoredRowWithASinglePrecisionSlope)
{
    PlotCache edit;
    edit.rows[10] = 100;
    edit.columns = 11;
    FillColumnsLinear(edit, 10, 0, 13, 1);  // y1 only sets the slope
    const float third = 1.0f / 3.0f;
    // 3 times the single third rounds to exactly 1.
    const double rows[] = {100, 100 + double(third), 100 + double(2.0f * third), 101, 0};
    for (int c = 10; c <= 14; ++c)
        EXPECT_EQ(Row(edit, c), rows[c - 10]) << c;
    EXPECT_EQ(edit.columns, 14);  // one count a filled column

    PlotCache swapped;
    swapped.rows[10] = 100;
    FillColumnsLinear(swapped, 13, 1, 10, 0);
    for (int c = 10; c <= 13; ++c)
        EXPECT_EQ(Row(swapped, c), Row(edit, c)) << c;
}

TEST(FillColumnsLinear, ClampsBothEndRowsFirst)
{
    for (auto [y2, last] : {std::pair{304.5f, 304.0}, {303.5f, 303.5}, {-0.5f, 0.0}, {0.5f, 0.5}}) {
        PlotCache edit;
        FillColumnsLinear(edit, 0, 0, 4, y2);
        EXPECT_EQ(Row(edit, 4), last) << y2;
    }
    PlotCache edit;
    edit.rows[0] = 10;
    FillColumnsLinear(edit, 0, -20, 2, 0);  // y1 -20 counts as 0: a level slope
    EXPECT_EQ(Row(edit, 2), 10);
}

TEST(FillColumnsLinearClamped, ZeroSpansCountAsOneAndResultsClamp)
{
    PlotCache edit;
    WorkBuffers work;
    edit.rows[10] = 100;
    FillColumnsLinearClamped(edit, work, 10, 100, 14, 100);  // dy 0 counts as 1
    EXPECT_EQ(Row(edit, 10), 100);
    EXPECT_EQ(Row(edit, 12), 100.5);
    EXPECT_EQ(Row(edit, 14), 101);

    PlotCache same;
    same.rows[10] = 100;
    FillColumnsLinearClamped(same, work, 10, 100, 10, 150);  // dx 0 counts as 1
    EXPECT_EQ(Row(same, 10), 100);

    PlotCache low;
    low.rows[0] = 4;
    FillColumnsLinearClamped(low, work, 0, 4, 4, -1);
    EXPECT_EQ(Row(low, 3), 0.25);
    EXPECT_EQ(Row(low, 4), 0);
}

TEST(FillColumnsLinearClamped, AChainedLineTakesTheColumnCountAsAnchor)
{
    PlotCache edit;
    WorkBuffers work;
    edit.columns = 7;
    work.LineAnchorColumn = 3;
    FillColumnsLinearClamped(edit, work, 3, 0, 9, 10);
    EXPECT_EQ(work.LineAnchorColumn, 3);
    work.LineChained = -1;
    FillColumnsLinearClamped(edit, work, 3, 0, 9, 10);
    EXPECT_EQ(work.LineAnchorColumn, 7);
}

TEST(FillColumnsFromPoint, RoundsItsEndsAndLeavesColumnOneAlone)
{
    // 1.49 rounds to column 1: column 0 before it is not above 0, so nothing happens at all.
    WorkBuffers work;
    work.LineAnchorColumn = 99;
    PlotCache edge;
    FillColumnsFromPoint(edge, work, 1.49f, 100, 5, 200);
    EXPECT_EQ(edge.rows, PlotCache().rows);
    EXPECT_EQ(work.LineAnchorColumn, 99);

    // 1.5 rounds to column 2; 5.49 to 5 and 5.5 to 6.
    for (auto [x2, right] : {std::pair{5.49f, 5}, {5.5f, 6}}) {
        PlotCache edit;
        FillColumnsFromPoint(edit, work, 1.5f, 100, x2, 200);
        EXPECT_EQ(Row(edit, 1), 100);
        EXPECT_EQ(Row(edit, 2), 100);
        EXPECT_EQ(Row(edit, right), 200);
        EXPECT_EQ(Row(edit, right + 1), 0);
        EXPECT_EQ(work.LineAnchorColumn, right);
    }
}

TEST(FillColumnsFromPoint, FromRightToLeftAZeroRiseCountsAsOne)
{
    WorkBuffers work;
    PlotCache edit;
    FillColumnsFromPoint(edit, work, 30, 100, 20, 100);
    EXPECT_EQ(Row(edit, 19), 100);
    EXPECT_EQ(Row(edit, 20), 100);
    EXPECT_EQ(Row(edit, 30), 101);
    EXPECT_EQ(work.LineAnchorColumn, 20);  // the second argument's column

    PlotCache top;
    FillColumnsFromPoint(top, work, 30, 304, 20, 304);  // 304 + 1 clamps back
    EXPECT_EQ(Row(top, 30), 304);

    PlotCache level;
    FillColumnsFromPoint(level, work, 20, 100, 20, 200);  // a zero width counts as 1
    EXPECT_EQ(Row(level, 19), 100);
    EXPECT_EQ(Row(level, 20), 100);
}

TEST(SetColumnAndRedraw, OnlyColumnsTwoTo511WithTheRowClamped)
{
    PlotCache edit;
    for (int x : {1, 2, 511, 512})
        SetColumnAndRedraw(edit, x, 50);
    EXPECT_EQ(Row(edit, 1), 0);
    EXPECT_EQ(Row(edit, 2), 50);
    EXPECT_EQ(Row(edit, 511), 50);
    EXPECT_EQ(Row(edit, 512), 0);
    for (auto [y, row] : {std::pair{-0.5f, 0.0}, {0.5f, 0.5}, {303.5f, 303.5}, {304.5f, 304.0}}) {
        SetColumnAndRedraw(edit, 3, y);
        EXPECT_EQ(Row(edit, 3), row) << y;
    }
}

TEST(PlotReadout, PointToOneDecimalWithinTheWaveform)
{
    // 7999.51 + 0.5 rounds up, 8319.49 + 0.5 stays below.
    for (auto [column, point] : {std::pair{-3, 1.0}, {0, 1.0}, {25, 800.0}, {26, 831.9}, {512, 16383.0},
                                 {570, 16383.0}})
        EXPECT_EQ(ReadoutPointAt(column), point) << column;
    EXPECT_EQ(PointReadoutText(831.9), "X=  831.9");
    EXPECT_EQ(PointReadoutText(16383), "X=  16383");
}

TEST(PlotReadout, VoltsToThreeDecimalsWithTheMagnitudeBelowZero)
{
    EXPECT_EQ(ReadoutMillivoltsAt(304), -5000);
    EXPECT_EQ(ReadoutMillivoltsAt(100), 1710.526);  // 1710.5263 rounds down
    EXPECT_EQ(ReadoutMillivoltsAt(120), 1052.632);  // 1052.6316 rounds up

    const std::pair<double, const char*> texts[] = {
        {5000, "Y= 5.000"},       {12.499, "Y= 0.012"},        {12.5, "Y= 0.013"},
        {-12.5, "Y= - 0.013"},    {-0.001, "Y= - 0.000"},      {-4999.5, "Y= - 5.000"},
        {-5000.001, "Y= - 5.000"}, {-7171.053, "Y= - 5.000"}};
    for (const auto& [millivolts, text] : texts)
        EXPECT_EQ(VoltsReadoutText(millivolts), text) << millivolts;
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
