// The printed page: what a printed PDF shows (the label positions are checked by the files-print
// script, a print to a FIFO by the fifos script), and the same page exported as PNG and SVG.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "app/PrinterTarget.h"
#include "files/FileCommands.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"
#include "files/ImageExport.h"
#include "files/PrintLayout.h"
#include "model/Scale.h"

using namespace tlv;
using tlv::test::FillWaveform;

TEST(PrintLayout, TheCaptionStandsThreeEmptyLinesBelowThePointLabels)
{
    // The point labels' own line, then three empty ones.
    EXPECT_EQ(PrintCaptionTopLeft(250), QPointF(kPrintFrameLeft, kPrintPointLabelY + 4 * 250));
}

namespace {
class PrintTest : public ::testing::Test {
protected:
    PrintTest()
    {
        ws.prompter = &prompter;
        prompter.setPrinterFactory([this](const QString& path) -> std::unique_ptr<PrintTarget> {
            auto target = PrinterTarget::pdf(path);
            printerMargins = target->printer().pageLayout().margins(QPageLayout::Point);
            return target;
        });
        ws.New();
    }
    bool print(const QString& name)
    {
        prompter.queueChoice(dir.filePath(name));
        files.Print();
        return QFile::exists(dir.filePath(name));
    }
    static bool havePoppler() { return !QStandardPaths::findExecutable("pdftoppm").isEmpty(); }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    QMarginsF printerMargins;  // of the last printer chosen, in points
    Workspace ws;
    FileCommands files{ws};
};
}  // namespace

TEST_F(PrintTest, CancelPrintsNothingAndSaysNothing)
{
    FillWaveform(ws, {1.0});
    prompter.queueChoice("cancel");
    files.Print();
    EXPECT_EQ(prompter.shown, QStringList{"printer -> cancel"});
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(PrintTest, TheRenderedPageShowsTheCyanCurveInsideTheBlackFrame)
{
    if (!havePoppler())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is needed";
    // 1 V over the whole width: a horizontal line between two grid lines.
    FillWaveform(ws, std::vector<double>(16383, 1.0));
    ASSERT_TRUE(print("curve.pdf"));
    QProcess::execute("pdftoppm", {"-r", "144", "-png", "-singlefile", dir.filePath("curve.pdf"),
                                   dir.filePath("curve")});
    QImage page(dir.filePath("curve.png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), page.height());  // landscape
    // 144 dpi: one pixel is ten twips.
    const double left = printerMargins.left() * 2;
    const double top = printerMargins.top() * 2;
    // Whether a pixel within one of the point given in twips has the colour.
    auto near = [&](double xTwips, double yTwips, auto colour) {
        const int x = qRound(left + xTwips / 10), y = qRound(top + yTwips / 10);
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (colour(page.pixelColor(x + dx, y + dy)))
                    return true;
        return false;
    };
    auto cyan = [](QColor c) { return c.red() < 128 && c.green() > 200 && c.blue() > 200; };
    auto dark = [](QColor c) { return c.lightness() < 128; };
    auto white = [](QColor c) { return c == QColor(Qt::white); };
    const double row = MillivoltsToPlotY(1000);
    for (int column : {1, 100, 256, 511}) {
        const QPointF at = PrintCurvePoint(column, row);
        EXPECT_TRUE(near(at.x(), at.y(), cyan)) << column;
        EXPECT_FALSE(near(at.x(), at.y() + 300, cyan)) << column;
    }
    const QPointF end = PrintCurvePoint(512, row);
    EXPECT_FALSE(near(end.x() + 100, end.y(), cyan));
    EXPECT_TRUE(near(1000, 5100, dark));   // left edge
    EXPECT_TRUE(near(14120, 5100, dark));  // right edge
    EXPECT_TRUE(near(8100, 8600, dark));   // bottom edge
    EXPECT_FALSE(near(14125 + 40, 5100, dark));
    EXPECT_TRUE(near(1600, 5300, white));  // inside a cell
}

TEST_F(PrintTest, ValuesFarOutOfRangeStayOnTheFrame)
{
    if (!havePoppler())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is needed";
    std::vector<double> volts(64, 1.0);
    volts[0] = 3e38;  // an AFC file may hold any finite value
    volts[32] = -3e38;
    FillWaveform(ws, volts);
    ASSERT_TRUE(print("wild.pdf"));
    QProcess p;
    p.start("pdftoppm", {"-r", "20", "-png", "-singlefile", dir.filePath("wild.pdf"), dir.filePath("wild")});
    p.waitForFinished();
    EXPECT_EQ(p.readAllStandardError(), QByteArray());
    EXPECT_EQ(p.exitCode(), 0);
}

namespace tlv {
namespace {

// A falling diagonal across the whole frame: plot row 0 (+5 V) at column 0 down to row 304
// (-5 V) at column 512.
std::vector<double> Diagonal()
{
    std::vector<double> rows;
    for (int k = 0; k < kPlotColumns; ++k)
        rows.push_back(k * static_cast<double>(kPlotHeight) / kPlotWidth);
    return rows;
}

// The colours within a pixel of where a page point lands in the picture.
std::vector<QColor> ColoursNear(const QImage& image, QPointF twips)
{
    const QRectF area = PrintImageArea();
    const QPointF p = (twips - area.topLeft()) * (image.width() / area.width());
    std::vector<QColor> colours;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (const QPoint q(static_cast<int>(p.x()) + dx, static_cast<int>(p.y()) + dy);
                image.rect().contains(q))
                colours.push_back(image.pixelColor(q));
    return colours;
}

// The darkest grey near the page point; 255 is white.
int DarkestNear(const QImage& image, QPointF twips)
{
    int darkest = 255;
    for (const QColor& c : ColoursNear(image, twips))
        darkest = std::min(darkest, qGray(c.rgb()));
    return darkest;
}

bool TraceNear(const QImage& image, QPointF twips)
{
    const std::vector<QColor> colours = ColoursNear(image, twips);
    return std::any_of(colours.begin(), colours.end(), [](const QColor& c) {
        return c.red() < 100 && c.green() > 200 && c.blue() > 200;
    });
}

TEST(ImageExport, PngShowsGridLabelsAndTraceWherePrintPutsThem)
{
    const QImage image = PrintPageImage(Diagonal(), "wave.afc");
    ASSERT_EQ(image.width(), kDefaultImageWidth);
    ASSERT_EQ(image.height(), 1032);  // 1600 x 10000 / 15500

    // Every grid line is dark where it runs ...
    for (const PrintLine& line : PrintGridLines()) {
        int darkest = 255;
        // A dotted line is dark only on its dots: look along a stretch of it.
        for (double f = 0.40; f <= 0.45; f += 0.002)
            darkest = std::min(darkest, DarkestNear(image, line.line.pointAt(f)));
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
                EXPECT_EQ(DarkestNear(image, centre), 255) << "cell " << column << "," << row;
        }

    // The trace at its start, its end and every 64th column between.
    const std::vector<double> rows = Diagonal();
    for (int k = 0; k < kPlotColumns; k += 64)
        EXPECT_TRUE(TraceNear(image, PrintCurvePoint(k, rows[static_cast<size_t>(k)]))) << k;

    // Every label has ink at its top-left corner's line.
    std::vector<PrintLabel> labels = PrintVoltageLabels();
    const std::vector<PrintLabel> points = PrintPointLabels();
    labels.insert(labels.end(), points.begin(), points.end());
    for (const PrintLabel& label : labels) {
        int darkest = 255;
        for (double x = 0; x < 300; x += 10)
            for (double y = 20; y < 160; y += 10)
                darkest = std::min(darkest, DarkestNear(image, label.topLeft + QPointF(x, y)));
        EXPECT_LT(darkest, 100) << label.text.toStdString();
    }
}

TEST(ImageExport, SvgHoldsTheTraceAsOnePolylineInTwips)
{
    const std::vector<double> rows = Diagonal();
    QXmlStreamReader xml(PrintPageSvg(rows, "wave.afc"));
    // QSvgGenerator sets the pen on a group around the shapes drawn with it.
    QStringList strokes{""};
    QStringList traces;
    QStringList texts;
    QString viewBox;
    QString traceTransform;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"g")
            strokes.removeLast();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"svg")
            viewBox = xml.attributes().value("viewBox").toString();
        if (xml.name() == u"g") {
            strokes << xml.attributes().value("stroke").toString();
            if (strokes.last() == "#00ffff")
                traceTransform = xml.attributes().value("transform").toString();
        } else if (xml.name() == u"polyline" && strokes.last() == "#00ffff") {
            traces << xml.attributes().value("points").toString();
        } else if (xml.name() == u"text") {
            texts << xml.readElementText();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    ASSERT_EQ(traces.size(), 1);
    const QStringList points = traces[0].split(' ', Qt::SkipEmptyParts);
    ASSERT_EQ(points.size(), kPlotColumns);
    // The points are page twips; the drawing's view box is the area, the group's transform
    // takes the area's corner away.
    const auto at = [&](int k) {
        const QStringList xy = points[k].split(',');
        return QPointF(xy[0].toDouble(), xy[1].toDouble());
    };
    EXPECT_EQ(viewBox, "0 0 15500 10000");
    EXPECT_EQ(traceTransform, "matrix(1,0,0,1,-500,-500)");
    for (int k : {0, 1, 256, 511, 512}) {
        const QPointF expected = PrintCurvePoint(k, rows[static_cast<size_t>(k)]);
        EXPECT_NEAR(at(k).x(), expected.x(), 0.01) << k;
        EXPECT_NEAR(at(k).y(), expected.y(), 0.01) << k;
    }
    QStringList labels{"wave.afc"};
    for (const PrintLabel& l : PrintVoltageLabels())
        labels << l.text;
    for (const PrintLabel& l : PrintPointLabels())
        labels << l.text;
    for (const QString& label : labels)
        EXPECT_TRUE(texts.contains(label)) << label.toStdString();
}

TEST(ImageExport, FilesAreWrittenWholeAsTheirExtensionSays)
{
    QTemporaryDir dir;
    const std::vector<double> rows = Diagonal();
    EXPECT_EQ(ExportPrintImage(dir.filePath("wave.PNG"), rows, "wave.afc", 800), "");
    const QImage png(dir.filePath("wave.PNG"), "PNG");
    EXPECT_EQ(png.size(), QSize(800, 516));
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), PrintPageImage(rows, "wave.afc", 800));
    // The picture is as large as the page: 15500 twips wide.
    EXPECT_NEAR(png.width() / (png.dotsPerMeterX() * 0.0254), 15500.0 / kTwipsPerInch, 0.01);

    EXPECT_EQ(ExportPrintImage(dir.filePath("wave.svg"), rows, "wave.afc"), "");
    QFile svg(dir.filePath("wave.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_EQ(svg.readAll(), PrintPageSvg(rows, "wave.afc"));

    // The width's limits; a refused export leaves what was there (other refusals: the export
    // script).
    EXPECT_EQ(ExportPrintImage(dir.filePath("wave.PNG"), rows, "x", kMinImageWidth - 1),
              "the width must be 200 to 8000 pixels");
    EXPECT_EQ(ExportPrintImage(dir.filePath("wave.PNG"), rows, "x", kMaxImageWidth + 1),
              "the width must be 200 to 8000 pixels");
    EXPECT_EQ(QImage(dir.filePath("wave.PNG")).width(), 800);
    EXPECT_EQ(ExportPrintImage(dir.filePath("narrow.png"), rows, "x", kMinImageWidth), "");
    EXPECT_EQ(QImage(dir.filePath("narrow.png")).width(), kMinImageWidth);
}

}  // namespace
}  // namespace tlv
