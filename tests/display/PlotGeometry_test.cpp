// The plot's grid, labels and column ranges, and the painting that follows them.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "display/PlotGeometry.h"
#include "display/PlotPainter.h"
#include "files/ImageExport.h"
#include "files/PrintLayout.h"
#include "model/Scale.h"
#include "support/ImageChecks.h"

using namespace tlv;

namespace {
// The label's text and top-left corner, as "text x,y".
std::string Label(const std::vector<AxisLabel>& labels, size_t i)
{
    const AxisLabel& l = labels.at(i);
    return QString("%1 %2,%3").arg(l.text).arg(l.topLeft.x()).arg(l.topLeft.y()).toStdString();
}

QImage Paint(QSize box, WindowState state, const std::vector<double>& rows,
             const std::vector<ColumnRange>& ranges = {})
{
    QImage image(box, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPlot(painter, box, state, rows.data(), static_cast<int>(rows.size()), {}, ranges);
    return image;
}
}  // namespace

TEST(PlotGeometry, GridClosesOnAllFourSides)
{
    // The top and left edges, then the verticals ending in the right edge, then the horizontals
    // ending in the bottom edge.
    for (const auto& [state, columns, rows] : {std::tuple{WindowState::Normal, 10, 8},
                                               std::tuple{WindowState::Maximized, 20, 16}}) {
        const auto lines = GridLines(state);
        ASSERT_EQ(lines.size(), size_t(2 + columns + rows));
        EXPECT_EQ(lines[0], QLineF(0, 0, 512, 0));
        EXPECT_EQ(lines[1], QLineF(0, 0, 0, 304));
        EXPECT_DOUBLE_EQ(lines[2].x1(), 512.0 / columns);
        EXPECT_DOUBLE_EQ(lines[1 + columns].x1(), 512.0);
        EXPECT_DOUBLE_EQ(lines[1 + columns + rows].y1(), 304.0);
    }
    EXPECT_EQ(BoxScale(WindowState::Minimized), QSizeF(550, 350));
}

TEST(PlotGeometry, NormalLabelsStandAtTheirFixedPixels)
{
    const QRect box = BoxRect(NormalClientSize());
    EXPECT_EQ(box, QRect(50, 48, 570, 365));
    const auto volts = VoltageLabels(WindowState::Normal, box);
    ASSERT_EQ(volts.size(), 9u);
    EXPECT_EQ(Label(volts, 4), "0.000 V 11,193");
    EXPECT_EQ(Label(volts, 8), "-5.000 V 8,345");
    const auto points = PointLabels(WindowState::Normal, box);
    ASSERT_EQ(points.size(), 11u);
    EXPECT_EQ(Label(points, 2), "3277 143,28");
    EXPECT_EQ(Label(points, 10), "16383 546,28");
}

TEST(PlotGeometry, MaximisedLabelsFollowTheBoxRoundingHalvesToEven)
{
    const QRect box(50, 48, 880, 374);  // 374 / 18.7 = 20 exactly; 880 / 22 = 40
    const auto volts = VoltageLabels(WindowState::Maximized, box);
    ASSERT_EQ(volts.size(), 17u);
    EXPECT_EQ(Label(volts, 1), "4.375 V 11,68");
    EXPECT_EQ(Label(volts, 8), "0.000 V 11,208");  // zero stands with the positive labels
    EXPECT_EQ(Label(volts, 9), "-0.625 V 8,228");
    EXPECT_EQ(Label(volts, 16), "-5.000 V 8,368");
    const auto points = PointLabels(WindowState::Maximized, box);
    ASSERT_EQ(points.size(), 21u);
    EXPECT_EQ(Label(points, 13), "10650 570,28");

    const QRect odd(50, 48, 11, 0);  // 50 + 1 * 11 / 22 = 50.5 rounds to 50
    EXPECT_EQ(PointLabels(WindowState::Maximized, odd)[1].topLeft.x(), 50);
}

TEST(PlotPainter, GridAndTraceLandWhereTheGeometrySays)
{
    // One box pixel per plot unit makes the geometry directly comparable.
    for (const auto& [box, state] : {std::pair{QSize(570, 370), WindowState::Normal},
                                     std::pair{QSize(550, 350), WindowState::Maximized}}) {
        const QImage image = Paint(box, state, {});
        for (const QLineF& line : GridLines(state))
            EXPECT_TRUE(PaintedNear(image, line.center().x(), line.center().y(), kGridColour))
                << line.x1() << "," << line.y1();
    }
    const QImage image = Paint(QSize(570, 370), WindowState::Normal, {});
    EXPECT_FALSE(PaintedNear(image, 25.6, 100, kGridColour));  // no maximised line in the normal grid
    for (const QPoint margin : {QPoint(30, 20), QPoint(540, 100), QPoint(100, 340)})
        EXPECT_EQ(image.pixelColor(margin), kPlotBackground);

    // A flat trace at -2 V through 100 columns, then a single column.
    const double y = MillivoltsToPlotY(-2000);
    const QImage traced = Paint(QSize(570, 370), WindowState::Normal, std::vector<double>(100, y));
    EXPECT_TRUE(PaintedNear(traced, 60, y, kTraceColour));
    EXPECT_TRUE(PaintedNear(traced, 98, y, kTraceColour));
    EXPECT_FALSE(PaintedNear(traced, 150, y, kTraceColour));
    const QImage single = Paint(QSize(570, 370), WindowState::Normal, {y});
    EXPECT_TRUE(PaintedNear(single, 0, y, kTraceColour));
    EXPECT_FALSE(PaintedNear(single, 3, y, kTraceColour));
}

TEST(PlotPainter, FullScaleLevelsShowOnTheBorders)
{
    // +5 V lies a hair above the top border (y = -0.06): it is drawn on the border, over the grid.
    const std::vector<double> top(40, MillivoltsToPlotY(5000));
    for (QSize box : {QSize(570, 365), QSize(570, 370), QSize(800, 500)}) {
        const QImage image = Paint(box, WindowState::Normal, top);
        for (int x = 0; x < 39; ++x)
            EXPECT_EQ(image.pixelColor(x * box.width() / 570, 0), kTraceColour) << x;
    }
    const QImage bottom = Paint(QSize(570, 370), WindowState::Normal, std::vector<double>(40, MillivoltsToPlotY(-5000)));
    EXPECT_TRUE(PaintedNear(bottom, 20, 304, kTraceColour));
}

TEST(ColumnRanges, EachColumnSpansItsOwn32PointsAndAShortLastColumnItsRest)
{
    // Point 31 is column 0's last, point 32 column 1's first; 70 points leave column 2 six.
    std::vector<double> volts(16384, 0.0);
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
    EXPECT_EQ(ColumnRanges(volts.data(), 16384).size(), 512u);
    EXPECT_EQ(ColumnRanges(volts.data(), 16353).size(), 512u);  // one point in column 511
}

TEST(ColumnRanges, TheScreenDrawsEachRangeBehindTheTraceWithinTheBox)
{
    const QImage image = Paint(QSize(570, 370), WindowState::Normal, std::vector<double>(4, 150.0),
                               {{150, 150}, {150, 150}, {100, 200}, {-50, 400}});
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
