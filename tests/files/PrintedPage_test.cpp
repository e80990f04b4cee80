// The printed page: the rows Print and Export take, and the PNG and SVG pages, painted as Print does.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QRegularExpression>

#include "files/FileCommands.h"
#include "files/ImageExport.h"
#include "files/PrintLayout.h"
#include "model/Scale.h"
#include "support/Prompts.h"

using namespace tlv;

namespace {

// Every 32nd point to the last defined one and each column's range, kept on the frame (an AFC file
// may hold any finite value); an empty waveform still gives column 0, at 0 V.
TEST(PrintTrace, EveryThirtySecondPointAndEachColumnsRangeClampedToTheFrame)
{
    Workspace ws;
    ws.New();
    EXPECT_EQ(PrintTraceOf(ws).rows, std::vector<double>{MillivoltsToPlotY(0)});  // not the marker
    std::vector<double> volts(33, 1.0);
    volts[0] = 3e38;
    volts[32] = -3e38;
    test::FillWaveform(ws, volts);
    const PrintTrace trace = PrintTraceOf(ws);
    EXPECT_EQ(trace.rows, (std::vector<double>{0, kPlotHeight}));
    ASSERT_EQ(trace.ranges.size(), 2u);
    EXPECT_EQ(trace.ranges[0].top, 0);
    EXPECT_EQ(trace.ranges[0].bottom, MillivoltsToPlotY(1000));
    EXPECT_EQ(trace.ranges[1].top, kPlotHeight);
    test::FillWaveform(ws, std::vector<double>(kLastPoint, 1.0));
    EXPECT_EQ(PrintTraceOf(ws).rows, std::vector<double>(512, MillivoltsToPlotY(1000)));  // columns 0..511
    // The caption stands below the point labels' own line and three empty ones.
    EXPECT_EQ(PrintCaptionTopLeft(250), QPointF(kPrintFrameLeft, kPrintPointLabelY + 4 * 250));
}

// A falling diagonal across the frame: row 0 (+5 V) at column 0 down to row 304 (-5 V) at column 512.
std::vector<double> Diagonal()
{
    std::vector<double> rows;
    for (int k = 0; k < kPlotColumns; ++k)
        rows.push_back(k * static_cast<double>(kPlotHeight) / kPlotWidth);
    return rows;
}

// Within a pixel of where a page point lands: the darkest grey (255 is white), and whether cyan shows.
struct Near {
    int darkest = 255;
    bool trace = false;
};
Near Look(const QImage& image, QPointF twips)
{
    const QRectF area = PrintImageArea();
    const QPointF p = (twips - area.topLeft()) * (image.width() / area.width());
    Near near;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (const QPoint q(static_cast<int>(p.x()) + dx, static_cast<int>(p.y()) + dy);
                image.rect().contains(q)) {
                const QColor c = image.pixelColor(q);
                near.darkest = std::min(near.darkest, qGray(c.rgb()));
                near.trace = near.trace || (c.red() < 100 && c.green() > 200 && c.blue() > 200);
            }
    return near;
}

TEST(ImageExport, ThePngFileShowsGridAndTraceWherePrintPutsThem)
{
    QTemporaryDir dir;
    const std::vector<double> rows = Diagonal();
    ASSERT_EQ(ExportPrintImage(dir.filePath("wave.PNG"), rows, "wave.afc"), "");
    const QImage image(dir.filePath("wave.PNG"), "PNG");
    ASSERT_EQ(image.size(), QSize(kDefaultImageWidth, 1032));  // 1600 x 10000 / 15500
    // The picture is as large as the page: 15500 twips wide.
    EXPECT_NEAR(image.width() / (image.dotsPerMeterX() * 0.0254), 15500.0 / kTwipsPerInch, 0.01);

    // Every grid line is dark where it runs (a dotted one only on its dots: look along a stretch) ...
    for (const PrintLine& line : PrintGridLines()) {
        int darkest = 255;
        for (double f = 0.40; f <= 0.45; f += 0.002)
            darkest = std::min(darkest, Look(image, line.line.pointAt(f)).darkest);
        EXPECT_LT(darkest, 128) << "grid line " << line.line.p1().x() << "," << line.line.p1().y();
    }
    // ... and the middle of every cell the trace keeps away from is white.
    const QLineF diagonal(PrintCurvePoint(0, 0), PrintCurvePoint(kPlotWidth, kPlotHeight));
    const QPointF along = diagonal.p2() - diagonal.p1();
    for (int column = 0; column < 10; ++column)
        for (int row = 0; row < 8; ++row) {
            const QPointF centre(kPrintFrameLeft + (column + 0.5) * PrintCellWidth(),
                                 kPrintFrameTop + (row + 0.5) * kPrintCellHeight);
            const QPointF d = centre - diagonal.p1();
            if (std::abs(along.x() * d.y() - along.y() * d.x()) / diagonal.length() > 300)
                EXPECT_EQ(Look(image, centre).darkest, 255) << "cell " << column << "," << row;
        }
    // The trace at its start, its end and every 64th column between (the labels: files-print).
    for (int k = 0; k < kPlotColumns; k += 64)
        EXPECT_TRUE(Look(image, PrintCurvePoint(k, rows[static_cast<size_t>(k)])).trace) << k;
}

TEST(ImageExport, TheSvgFileHoldsTheTraceAsOnePolylineInTwips)
{
    QTemporaryDir dir;
    const std::vector<double> rows = Diagonal();
    ASSERT_EQ(ExportPrintImage(dir.filePath("wave.svg"), rows, "wave.afc"), "");
    QFile file(dir.filePath("wave.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = file.readAll();
    // The drawing's view box is the area; QSvgGenerator sets the pen on a group around the shapes
    // drawn with it, whose transform takes the area's corner away from the page twips.
    EXPECT_TRUE(svg.contains(R"(viewBox="0 0 15500 10000")"));
    const QRegularExpression cyan(R"re(stroke="#00ffff"[^>]*transform="matrix\(1,0,0,1,-500,-500\)")re"
                                  R"re([^>]*>\s*<polyline[^>]*points="([^"]*)"[^<]*</g>)re");
    QRegularExpressionMatchIterator traces = cyan.globalMatch(svg);
    ASSERT_TRUE(traces.hasNext());
    const QStringList points = traces.next().captured(1).split(' ', Qt::SkipEmptyParts);
    EXPECT_FALSE(traces.hasNext());
    ASSERT_EQ(points.size(), kPlotColumns);
    for (int k : {0, 1, 256, 511, 512}) {
        const QStringList xy = points[k].split(',');
        const QPointF expected = PrintCurvePoint(k, rows[static_cast<size_t>(k)]);
        EXPECT_NEAR(xy[0].toDouble(), expected.x(), 0.01) << k;
        EXPECT_NEAR(xy[1].toDouble(), expected.y(), 0.01) << k;
    }
}

// A refused width writes nothing (the other refusals: the export script).
TEST(ImageExport, APngIsTwoHundredToEightThousandPixelsWide)
{
    QTemporaryDir dir;
    const std::vector<double> rows = Diagonal();
    for (int width : {kMinImageWidth - 1, kMaxImageWidth + 1})
        EXPECT_EQ(ExportPrintImage(dir.filePath("wave.png"), rows, "x", width),
                  "the width must be 200 to 8000 pixels");
    EXPECT_FALSE(QFile::exists(dir.filePath("wave.png")));
    EXPECT_EQ(ExportPrintImage(dir.filePath("narrow.png"), rows, "x", kMinImageWidth), "");
    EXPECT_EQ(QImage(dir.filePath("narrow.png")).width(), kMinImageWidth);
}

}  // namespace
