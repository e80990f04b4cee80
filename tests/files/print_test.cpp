// The printed page: its twip geometry, and what a printed PDF shows (the label positions are
// checked by the files-print script).
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "app/PrinterTarget.h"
#include "files/FileCommands.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"
#include "files/PrintLayout.h"

using namespace tlv;
using tlv::test::FillWaveform;
using tlv::test::Prompts;

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

TEST_F(PrintTest, APdfPathThatIsNoPlainFileIsRefused)
{
    FillWaveform(ws, {1.0});
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("fifo.pdf")).constData(), 0600), 0);
    QDir(dir.path()).mkdir("folder.pdf");
    print("fifo.pdf");  // would wait for a reader forever
    print("folder.pdf");
    EXPECT_EQ(Prompts(prompter.shown), QStringList({"printer",
                                           "message TLV | Cannot print to " + dir.filePath("fifo.pdf") +
                                               ": it is a FIFO, not a plain file. | OK | exclamation",
                                           "printer",
                                           "message TLV | Cannot print to " + dir.filePath("folder.pdf") +
                                               ": it is a folder, not a plain file. | OK | exclamation"}));
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.pdf")).isDir());
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
