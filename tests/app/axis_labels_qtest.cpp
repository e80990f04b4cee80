#include <QtTest>

#include "app/DocumentView.h"
#include "display/PlotGeometry.h"
#include "model/ScriptedPrompter.h"
#include "model/Workspace.h"

using namespace tlv;

// The label ink in a grab of a window, as [first, last] runs: of rows left of the box for the
// voltage labels, of columns above it for the point labels, one run a label.
static std::vector<std::pair<int, int>> InkRuns(const QImage& image, Qt::Orientation labels)
{
    const bool volts = labels == Qt::Vertical;
    const int gap = volts ? 1 : 6;
    std::vector<std::pair<int, int>> runs;
    for (int i = volts ? kBoxTop - 10 : 0; i < (volts ? image.height() : image.width()); ++i) {
        bool ink = false;
        for (int j = volts ? 0 : 20; j < (volts ? kBoxLeft - 2 : kBoxTop - 4) && !ink; ++j)
            ink = qGray(volts ? image.pixel(j, i) : image.pixel(i, j)) < 100;
        if (!ink)
            continue;
        if (!runs.empty() && i - runs.back().second <= gap)
            runs.back().second = i;
        else
            runs.push_back({i, i});
    }
    return runs;
}

// The axis labels of a normal window stay on their grid lines whatever the window's size.
class AxisLabelsTest : public QObject {
    Q_OBJECT

    ScriptedPrompter prompter_;
    Workspace ws_;

    QImage grab(QSize client)
    {
        DocumentView view(ws_, ws_.activeWindow()->id);
        view.resize(client);
        return view.grab().toImage();
    }

private slots:
    void initTestCase()
    {
        ws_.prompter = &prompter_;
        ws_.New();
    }

    void labelsStayOnTheirLines_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::newRow("default") << NormalClientSize();
        QTest::newRow("smaller") << QSize(520, 360);
        QTest::newRow("large") << QSize(1200, 800);
    }

    // Every voltage label's ink centred within 2 pixels of its line, every point label's within 4
    // pixels of its column.
    void labelsStayOnTheirLines()
    {
        QFETCH(QSize, client);
        const QImage image = grab(client);
        const QRect box = BoxRect(image.size());
        const struct {
            Qt::Orientation labels;
            size_t count;
            double first, step, tolerance;
        } kinds[] = {{Qt::Vertical, 9, double(box.top()), 38.0 * box.height() / 370.0, 2.0},
                     {Qt::Horizontal, 11, double(box.left()), 51.2 * box.width() / 570.0, 4.0}};
        for (const auto& kind : kinds) {
            const auto ink = InkRuns(image, kind.labels);
            QCOMPARE(ink.size(), kind.count);
            for (size_t k = 0; k < kind.count; ++k) {
                const double centre = (ink[k].first + ink[k].second) / 2.0;
                const double line = kind.first + kind.step * double(k);
                const QString at = QString("label %1 centred at %2, its line at %3").arg(k).arg(centre);
                QVERIFY2(std::abs(centre - line) <= kind.tolerance, qPrintable(at.arg(line)));
            }
        }
    }
};

QTEST_MAIN(AxisLabelsTest)
#include "axis_labels_qtest.moc"
