#include <QAction>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>

#include "app/DocumentView.h"
#include "display/PlotPainter.h"
#include "model/EditPath.h"
#include "model/ScriptedPrompter.h"
#include "model/VoltsText.h"
#include "support/ImageChecks.h"
#include "support/StartFrame.h"

using namespace tlv;

// The mouse tools driven by real mouse and key events on the plot of the real frame, sized so
// that one pixel is one plot unit.
class PlotMouseTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(test::StartFrame(app, config, prompter));
        app->frame().toolbarAction(1, 1)->trigger();  // New
        Workspace& ws = app->workspace();
        DocumentView* view = app->frame().viewOf(ws.activeWindow()->id);
        QMdiSubWindow* sub = app->frame().subWindowOf(ws.activeWindow()->id);
        sub->resize(sub->size() - view->size() + QSize(570 + 58, 370 + 56));
        QTRY_COMPARE(view->plot()->size(), QSize(570, 370));
        plot = view->plot();
    }

    void cleanup() { app.reset(); }

    // A press, a move with the button down and the release there.
    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(plot, Qt::LeftButton, {}, from);
        QTest::mouseMove(plot, to);
        QTest::mouseRelease(plot, Qt::LeftButton, {}, to);
    }

    void movesShowTheReadoutInTheStatusBar()
    {
        MainWindow& frame = app->frame();
        // The top, the margin below the grid, the right edge.
        const std::tuple<QPoint, QString, QString> moves[] = {
            {QPoint(10, 0), "X=  320", "Y= 5.000"},
            {QPoint(0, 369), "X=  1", "Y= - 5.000"},
            {QPoint(569, 100), "X=  16383", "Y= 1.711"}};
        for (const auto& [at, x, y] : moves) {
            QTest::mouseMove(plot, at);
            QTRY_COMPARE(frame.statusText(3), x);
            QCOMPARE(frame.statusText(4), y);
        }
        QCOMPARE(frame.statusText(2), QString("POSITION"));
    }

    void aFreeHandStrokeWritesEveryColumnItCrosses()
    {
        Workspace& ws = app->workspace();
        app->frame().toolbarAction(2, 6)->trigger();  // Sine, 2000 points: columns 0..62
        app->frame().toolbarAction(2, 3)->trigger();  // Free hand
        QCOMPARE(ws.edit.ToolMode, 1);
        const std::string untouched = ws.edit.WaveText[41 * 32];
        drag(QPoint(20, 50), QPoint(40, 250));
        // Columns 20..40 on the line between the two positions, 32 equal points each; the
        // columns around them and the length stay.
        QCOMPARE(ws.edit.PointCount, 2000);
        QCOMPARE(ws.docs.DocSlots[0].store[2000], kEndMarker);
        QCOMPARE(ws.edit.WaveText[41 * 32], untouched);
        for (int column : {20, 30, 40}) {
            const std::string volts = FormatVoltsText(5 - (50 + 10.0 * (column - 20)) / 30.4);
            QCOMPARE(ws.edit.WaveText[column * 32], volts);
            QCOMPARE(ws.edit.WaveText[column * 32 + 31], volts);
        }
        QVERIFY(ws.commands.isEnabled(Cmd::Undo));
        QVERIFY(PaintedNear(plot->grab().toImage(), 30, 150, kTraceColour));
    }

    void aMarkerDragShowsTheBandAndOffersCutAndCopy()
    {
        Workspace& ws = app->workspace();
        app->frame().toolbarAction(2, 6)->trigger();  // Sine, 2000 points: columns 0..62
        drag(QPoint(10, 100), QPoint(30, 120));
        QCOMPARE(ws.edit.SelStartX, 10);
        QCOMPARE(ws.edit.SelEndX, 30);
        QCOMPARE(ws.edit.SelLast, 672);  // points 319..991
        QTRY_VERIFY(app->frame().menuAction("mnuCopy")->isEnabled());
        QVERIFY(app->frame().toolbarAction(1, Tb1::Cut)->isEnabled());
        const QImage image = plot->grab().toImage();
        QCOMPARE(image.pixelColor(20, 300), QColor(Qt::white));
        QCOMPARE(image.pixelColor(40, 300), kPlotBackground);

        QTest::mouseClick(plot, Qt::LeftButton, {}, QPoint(300, 100));  // right of the curve
        QCOMPARE(plot->grab().toImage().pixelColor(20, 300), kPlotBackground);
        QTRY_VERIFY(!app->frame().menuAction("mnuCopy")->isEnabled());
        QVERIFY(!app->frame().menuAction("mnuPaste")->isEnabled());
    }

    void escapeAndDoubleClickEndTheLineTool()
    {
        Workspace& ws = app->workspace();
        app->frame().toolbarAction(2, 4)->trigger();  // Line
        QTest::mouseClick(plot, Qt::LeftButton, {}, QPoint(40, 100));
        QCOMPARE(ws.edit.PointCount, 41 * 32);
        QTest::mouseMove(plot, QPoint(80, 20));
        QVERIFY(PaintedNear(plot->grab().toImage(), 60, 60, kLineToolColour));
        QTest::keyClick(plot, Qt::Key_Escape);
        QCOMPARE(ws.edit.ToolMode, 0);
        QTRY_VERIFY(app->frame().toolbarAction(2, Tb2::Marker)->isChecked());
        QVERIFY(app->frame().menuAction("mnuEditselect")->isChecked());
        QVERIFY(!PaintedNear(plot->grab().toImage(), 60, 60, kLineToolColour));

        app->frame().toolbarAction(2, 4)->trigger();
        ws.work.ClipboardFull = true;
        ws.work.PasteColumn = 7;
        QTest::mouseDClick(plot, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(ws.edit.ToolMode, 0);
        QCOMPARE(ws.work.PasteColumn, 7);  // the double click's release makes no click
        QTRY_VERIFY(app->frame().toolbarAction(2, Tb2::Marker)->isChecked());
    }

private:
    QTemporaryDir config;
    ScriptedPrompter prompter;
    std::unique_ptr<Application> app;
    QWidget* plot = nullptr;
};

QTEST_MAIN(PlotMouseTest)
#include "plot_mouse_qtest.moc"
