#include <QtTest>

#include "app/DocumentView.h"
#include "display/PlotGeometry.h"
#include "model/ScriptedPrompter.h"
#include "model/Workspace.h"
#include "support/LabelInk.h"

using namespace tlv;

// The axis labels of a normal window stay on their grid lines whatever the window's size.
class AxisLabelsTest : public QObject {
    Q_OBJECT

    ScriptedPrompter prompter_;
    Workspace ws_;
    std::vector<std::pair<int, int>> defaultPointInk_;

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
        defaultPointInk_ = PointInk(grab(NormalClientSize()));
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
        const QImage image = grab(client);
        const QString wrong = LabelsOffTheirLines(image);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        // The point labels move with their lines as the box widens.
        const auto points = PointInk(image);
        const int widened = BoxRect(client).width() - BoxRect(NormalClientSize()).width();
        for (int j = 0; j < 11; ++j)
            QVERIFY2(std::abs(points[j].first - defaultPointInk_[j].first - 51.2 * j * widened / 570.0) <= 1.0,
                     qPrintable(QString("point label %1 at %2 did not move with its line").arg(j).arg(points[j].first)));
    }
};

QTEST_MAIN(AxisLabelsTest)
#include "axis_labels_qtest.moc"
