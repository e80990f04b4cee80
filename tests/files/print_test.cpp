// The printed page: its twip geometry, and where a printed PDF puts the text and the curve.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "files/FileCommands.h"
#include "files/PrintLayout.h"
#include "files/FilePrompter.h"

using namespace tlv;
using tlv::test::FillWaveform;
using tlv::test::FilePrompter;

TEST(PrintLayout, GridMatchesTheTwipTable)
{
    EXPECT_EQ(PrintCellWidth(), 1312);
    const std::vector<PrintLine> lines = PrintGridLines();
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[0].line, QLineF(1000, 1000, 1000, 8600));
    EXPECT_EQ(lines[1].line, QLineF(1000, 1000, 14125, 1000));
    EXPECT_EQ(lines[2].line, QLineF(2312, 1000, 2312, 8600));
    // The right edge stops five twips short of the end of the top and bottom edges.
    EXPECT_EQ(lines[11].line, QLineF(14120, 1000, 14120, 8600));
    EXPECT_EQ(lines[19].line, QLineF(1000, 8600, 14125, 8600));
    int dotted = 0;
    for (const PrintLine& l : lines)
        dotted += l.dotted;
    EXPECT_EQ(dotted, 16);
    EXPECT_FALSE(lines[11].dotted);
    EXPECT_FALSE(lines[19].dotted);
    EXPECT_EQ(PrintCurvePoint(0, 0), QPointF(1000, 1000));
    EXPECT_EQ(PrintCurvePoint(512, 304), QPointF(14056, 8600));
}

namespace {
struct Word {
    QString text;
    double x = 0;
    double y = 0;
};

// The words of a PDF with the top-left corners of their boxes, in points.
std::vector<Word> PdfWords(const QString& pdf)
{
    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    p.waitForFinished();
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression word(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>");
    std::vector<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        auto m = it.next();
        words.push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

class PrintTest : public ::testing::Test {
protected:
    PrintTest()
    {
        ws.prompter = &prompter;
        ws.New();
    }
    bool print(const QString& name)
    {
        prompter.choices.push_back(dir.filePath(name));
        files.Print();
        return QFile::exists(dir.filePath(name));
    }
    static bool havePoppler()
    {
        return !QStandardPaths::findExecutable("pdftotext").isEmpty() &&
               !QStandardPaths::findExecutable("pdftoppm").isEmpty();
    }

    QTemporaryDir dir;
    FilePrompter prompter;
    Workspace ws;
    FileCommands files{ws};
};
}  // namespace

TEST_F(PrintTest, CancelPrintsNothingAndSaysNothing)
{
    FillWaveform(ws, {1.0});
    prompter.choices.push_back("cancel");
    files.Print();
    EXPECT_EQ(prompter.shown, QStringList{"printer"});
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(PrintTest, LabelsAndCaptionStandAtTheirTwipPositions)
{
    if (!havePoppler())
        GTEST_SKIP() << "pdftotext and pdftoppm (poppler-utils) are needed";
    FillWaveform(ws, {1.0});
    ws.SetWindowCaption(ws.activeWindow(), "caption.afc");
    ASSERT_TRUE(print("page.pdf"));
    const double left = prompter.printerMargins.left();
    const double top = prompter.printerMargins.top();

    std::vector<Word> words = PdfWords(dir.filePath("page.pdf"));
    auto find = [&](const QString& text) {
        for (const Word& w : words)
            if (w.text == text)
                return w;
        ADD_FAILURE() << "no word " << text.toStdString();
        return Word{};
    };
    std::vector<PrintLabel> labels = PrintVoltageLabels();
    for (const PrintLabel& l : PrintPointLabels())
        labels.push_back(l);
    for (const PrintLabel& label : labels) {
        const Word w = find(label.text.section(' ', 0, 0));
        EXPECT_NEAR((w.x - left) * 20, label.topLeft.x(), 1) << label.text.toStdString();
        EXPECT_NEAR((w.y - top) * 20, label.topLeft.y(), 5) << label.text.toStdString();
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(kTwipsPerInch);
    QFont font;
    font.setPointSizeF(9);
    const Word caption = find("caption.afc");
    EXPECT_NEAR((caption.x - left) * 20, 1000, 1);
    EXPECT_NEAR((caption.y - top) * 20, 8900 + 4 * QFontMetricsF(font, &printer).lineSpacing(), 5);
}

TEST_F(PrintTest, TheRenderedPageShowsTheCyanCurveInsideTheBlackFrame)
{
    if (!havePoppler())
        GTEST_SKIP() << "pdftotext and pdftoppm (poppler-utils) are needed";
    // 1 V over the whole width: a horizontal line between two grid lines.
    FillWaveform(ws, std::vector<double>(16383, 1.0));
    ASSERT_TRUE(print("curve.pdf"));
    QProcess::execute("pdftoppm", {"-r", "144", "-png", "-singlefile", dir.filePath("curve.pdf"),
                                   dir.filePath("curve")});
    QImage page(dir.filePath("curve.png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), page.height());  // landscape
    // 144 dpi: one pixel is ten twips.
    const double left = prompter.printerMargins.left() * 2;
    const double top = prompter.printerMargins.top() * 2;
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
        GTEST_SKIP() << "pdftotext and pdftoppm (poppler-utils) are needed";
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
