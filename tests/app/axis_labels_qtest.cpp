#include <QtTest>

#include "app/DocumentView.h"
#include "display/PlotGeometry.h"
#include "model/Workspace.h"
#include "support/LabelInk.h"
#include "model/ScriptedPrompter.h"

using namespace tlv;

// The axis labels of a normal window stay on their grid lines whatever the window's size.
class AxisLabelsTest : public QObject {
    Q_OBJECT

    ScriptedPrompter prompter_;
    Workspace ws_;
    std::vector<std::pair<int, int>> defaultPointInk_;

    void checkLabels(QSize client)
    {
        DocumentView view(ws_, ws_.activeWindow()->id);
        view.resize(client);
        const QImage image = view.grab().toImage();
        const QString wrong = LabelsOffTheirLines(image);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));

        const auto points = PointInk(image);
        const QRect box = BoxRect(client);
        const QRect defaultBox = BoxRect(NormalClientSize());
        for (int j = 0; j < 11; ++j) {
            const double moved = 51.2 * j * (box.width() - defaultBox.width()) / 570.0;
            QVERIFY2(std::abs(points[j].first - defaultPointInk_[j].first - moved) <= 1.0,
                     qPrintable(QString("point label %1 at %2 did not move with its line").arg(j).arg(points[j].first)));
        }
    }

private slots:
    void initTestCase()
    {
        ws_.prompter = &prompter_;
        ws_.New();
        DocumentView view(ws_, ws_.activeWindow()->id);
        view.resize(NormalClientSize());
        defaultPointInk_ = PointInk(view.grab().toImage());
        QCOMPARE(defaultPointInk_.size(), size_t(11));
    }

    void labelsStayOnTheirLines_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::newRow("default") << NormalClientSize();
        QTest::newRow("smaller") << QSize(520, 360);
        QTest::newRow("wider") << QSize(900, 450);
        QTest::newRow("taller") << QSize(640, 700);
        QTest::newRow("large") << QSize(1200, 800);
    }

    void labelsStayOnTheirLines()
    {
        QFETCH(QSize, client);
        checkLabels(client);
    }
};

QTEST_MAIN(AxisLabelsTest)
#include "axis_labels_qtest.moc"
