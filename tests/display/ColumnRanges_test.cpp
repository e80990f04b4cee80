#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "display/PlotPainter.h"
#include "files/ImageExport.h"
#include "files/PrintLayout.h"
#include "model/Scale.h"
#include "support/ImageChecks.h"

using namespace tlv;

TEST(ColumnRanges, EachColumnSpansItsOwn32PointsAndAShortLastColumnItsRest)
{
    // Point 31 is column 0's last, point 32 column 1's first; 70 points leave column 2 six.
    std::vector<double> volts(70, 0.0);
    volts[31] = 5.0;
    volts[32] = -5.0;
    volts[69] = 2.5;
    const std::vector<ColumnRange> ranges = ColumnRanges(volts.data(), 70);
    ASSERT_EQ(ranges.size(), 3u);
    EXPECT_EQ(ranges[0].top, MillivoltsToPlotY(5000));
    EXPECT_EQ(ranges[0].bottom, MillivoltsToPlotY(0));
    EXPECT_EQ(ranges[1].top, MillivoltsToPlotY(0));
    EXPECT_EQ(ranges[1].bottom, MillivoltsToPlotY(-5000));
    EXPECT_EQ(ranges[2].top, MillivoltsToPlotY(2500));
    EXPECT_EQ(ColumnRanges(volts.data(), 69).back().top, MillivoltsToPlotY(0));  // point 69 left out
    EXPECT_TRUE(ColumnRanges(volts.data(), 0).empty());

    const std::vector<double> full(16384, 1.0);
    EXPECT_EQ(ColumnRanges(full.data(), 16384).size(), 512u);
    EXPECT_EQ(ColumnRanges(full.data(), 16353).size(), 512u);  // one point in column 511
}

TEST(ColumnRanges, TheScreenDrawsEachRangeBehindTheTraceWithinTheBox)
{
    QImage image(570, 370, QImage::Format_RGB32);
    QPainter painter(&image);
    const std::vector<double> rows(4, 150.0);
    const std::vector<ColumnRange> ranges = {{150, 150}, {150, 150}, {100, 200}, {-50, 400}};
    PaintPlot(painter, image.size(), WindowState::Normal, rows.data(), 4, {}, ranges);
    painter.end();
    for (int y : {100, 125, 200})
        EXPECT_EQ(image.pixelColor(2, y), kTraceColour) << y;
    EXPECT_EQ(image.pixelColor(2, 98), kPlotBackground);
    EXPECT_EQ(image.pixelColor(2, 202), kPlotBackground);
    EXPECT_EQ(image.pixelColor(3, 1), kTraceColour);  // clamped to rows 0..304
    EXPECT_EQ(image.pixelColor(3, 303), kTraceColour);
    EXPECT_EQ(image.pixelColor(3, 330), kPlotBackground);
}

TEST(ColumnRanges, ThePrintedPageDrawsThemToo)
{
    const std::vector<double> rows(10, 0.0);
    std::vector<ColumnRange> ranges(10, ColumnRange{0, 0});
    ranges[5] = {100, 300};
    const QPointF middle = PrintCurvePoint(5, 200) - PrintImageArea().topLeft();
    const double scale = 800 / PrintImageArea().width();
    auto cyanAtMiddle = [&](const PrintTrace& trace) {
        return PaintedNear(PrintPageImage(trace, "x", 800), middle.x() * scale, middle.y() * scale,
                           QColor(0, 255, 255));
    };
    EXPECT_TRUE(cyanAtMiddle(PrintTrace(rows, ranges)));
    EXPECT_FALSE(cyanAtMiddle(PrintTrace(rows)));
}
