#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "display/PlotGeometry.h"
#include "display/PlotPainter.h"
#include "model/Scale.h"
#include "support/ImageChecks.h"

using namespace tlv;

TEST(PlotGeometry, GridClosesOnAllFourSides)
{
    auto normal = GridLines(WindowState::Normal);
    ASSERT_EQ(normal.size(), 2u + 10 + 8);
    EXPECT_EQ(normal[0], QLineF(0, 0, 512, 0));
    EXPECT_EQ(normal[1], QLineF(0, 0, 0, 304));
    EXPECT_DOUBLE_EQ(normal[2].x1(), 51.2);
    EXPECT_DOUBLE_EQ(normal[11].x1(), 512.0);  // the last vertical is the right border
    EXPECT_DOUBLE_EQ(normal[19].y1(), 304.0);  // the last horizontal is the bottom border

    auto maximised = GridLines(WindowState::Maximized);
    ASSERT_EQ(maximised.size(), 2u + 20 + 16);
    EXPECT_DOUBLE_EQ(maximised[21].x1(), 512.0);
    EXPECT_EQ(BoxScale(WindowState::Minimized), QSizeF(550, 350));
}

TEST(PlotGeometry, NormalLabelsStandAtTheirFixedPixels)
{
    QRect box = BoxRect(NormalClientSize());
    EXPECT_EQ(box, QRect(50, 48, 570, 365));
    auto volts = VoltageLabels(WindowState::Normal, box);
    ASSERT_EQ(volts.size(), 9u);
    EXPECT_EQ(volts[4].text, "0.000 V");
    EXPECT_EQ(volts[4].topLeft, QPoint(11, 193));
    EXPECT_EQ(volts[8].text, "-5.000 V");
    EXPECT_EQ(volts[8].topLeft, QPoint(8, 345));
    auto points = PointLabels(WindowState::Normal, box);
    ASSERT_EQ(points.size(), 11u);
    EXPECT_EQ(points[2].text, "3277");
    EXPECT_EQ(points[2].topLeft, QPoint(143, 28));
    EXPECT_EQ(points[10].text, "16383");
    EXPECT_EQ(points[10].topLeft, QPoint(546, 28));
}

TEST(PlotGeometry, MaximisedLabelsFollowTheBoxRoundingHalvesToEven)
{
    QRect box(50, 48, 880, 374);  // 374 / 18.7 = 20 exactly; 880 / 22 = 40
    auto volts = VoltageLabels(WindowState::Maximized, box);
    ASSERT_EQ(volts.size(), 17u);
    EXPECT_EQ(volts[1].text, "4.375 V");
    EXPECT_EQ(volts[1].topLeft, QPoint(11, 68));
    EXPECT_EQ(volts[8].text, "0.000 V");
    EXPECT_EQ(volts[8].topLeft.x(), 11);  // zero stands with the positive labels
    EXPECT_EQ(volts[9].text, "-0.625 V");
    EXPECT_EQ(volts[9].topLeft.x(), 8);
    EXPECT_EQ(volts[16].text, "-5.000 V");
    EXPECT_EQ(volts[16].topLeft.y(), 48 + 320);
    auto points = PointLabels(WindowState::Maximized, box);
    ASSERT_EQ(points.size(), 21u);
    EXPECT_EQ(points[13].text, "10650");
    EXPECT_EQ(points[13].topLeft, QPoint(50 + 13 * 40, 28));

    QRect odd(50, 48, 11, 0);  // 50 + 1 * 11 / 22 = 50.5 rounds to 50
    EXPECT_EQ(PointLabels(WindowState::Maximized, odd)[1].topLeft.x(), 50);
}

namespace {
QImage Paint(QSize box, WindowState state, const std::vector<double>& rows)
{
    QImage image(box, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPlot(painter, box, state, rows.data(), static_cast<int>(rows.size()));
    return image;
}

}  // namespace

TEST(PlotPainter, GridAndTraceLandWhereTheGeometrySays)
{
    // One box pixel per plot unit makes the geometry directly comparable.
    QImage image = Paint(QSize(570, 370), WindowState::Normal, {});
    for (const QLineF& line : GridLines(WindowState::Normal))
        EXPECT_TRUE(PaintedNear(image, line.center().x(), line.center().y(), kGridColour)) << line.x1() << "," << line.y1();
    EXPECT_FALSE(PaintedNear(image, 25.6, 100, kGridColour));  // no maximised line in the normal grid
    EXPECT_EQ(image.pixelColor(30, 20), kPlotBackground);
    EXPECT_EQ(image.pixelColor(540, 100), kPlotBackground);  // margin inside the box
    EXPECT_EQ(image.pixelColor(100, 340), kPlotBackground);

    QImage maximised = Paint(QSize(550, 350), WindowState::Maximized, {});
    for (const QLineF& line : GridLines(WindowState::Maximized))
        EXPECT_TRUE(PaintedNear(maximised, line.center().x(), line.center().y(), kGridColour));

    // A flat trace at -2 V through 100 columns, then a single column.
    double y = MillivoltsToPlotY(-2000);
    QImage traced = Paint(QSize(570, 370), WindowState::Normal, std::vector<double>(100, y));
    EXPECT_TRUE(PaintedNear(traced, 60, y, kTraceColour));
    EXPECT_TRUE(PaintedNear(traced, 98, y, kTraceColour));
    EXPECT_FALSE(PaintedNear(traced, 150, y, kTraceColour));

    QImage single = Paint(QSize(570, 370), WindowState::Normal, {y});
    EXPECT_TRUE(PaintedNear(single, 0, y, kTraceColour));
    EXPECT_FALSE(PaintedNear(single, 3, y, kTraceColour));
}

TEST(PlotPainter, FullScaleLevelsShowOnTheBorders)
{
    // +5 V lies a hair above the top border (y = -0.06): it is drawn on the border, over the grid.
    const std::vector<double> top(40, MillivoltsToPlotY(5000));
    for (QSize box : {QSize(570, 365), QSize(570, 370), QSize(800, 500)}) {
        QImage image = Paint(box, WindowState::Normal, top);
        for (int x = 0; x < 39; ++x)
            EXPECT_EQ(image.pixelColor(x * box.width() / 570, 0), kTraceColour) << x;
    }
    QImage maximised = Paint(QSize(1100, 700), WindowState::Maximized, top);
    EXPECT_EQ(maximised.pixelColor(20, 0), kTraceColour);

    const std::vector<double> bottom(40, MillivoltsToPlotY(-5000));
    QImage image = Paint(QSize(570, 370), WindowState::Normal, bottom);
    EXPECT_TRUE(PaintedNear(image, 20, 304, kTraceColour));
}
