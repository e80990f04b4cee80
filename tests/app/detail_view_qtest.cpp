#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "app/Application.h"
#include "app/DetailDock.h"
#include "app/DetailView.h"
#include "app/MainWindow.h"
#include "editing/EditCommands.h"
#include "editing/PointEdits.h"
#include "editing/PointTableModel.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"
#include "support/StartFrame.h"

using namespace tlv;

// The detail view and the point table of the real frame, driven by real wheel, mouse and key
// events, on a ramp of 1000 points from -5 V rising 0.01 V a point.
class DetailViewTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(test::StartFrame(app, config, prompter));
        app->frame().toolbarAction(1, 1)->trigger();  // New
        std::vector<double> ramp(1000);
        for (int i = 0; i < 1000; ++i)
            ramp[static_cast<size_t>(i)] = -5.0 + 0.01 * i;
        test::FillWaveform(app->workspace(), ramp);
        QTest::keyClick(&app->frame(), Qt::Key_D, Qt::ControlModifier);  // View > Detail
        dock = app->frame().detail();
        QTRY_VERIFY(dock->isVisible());
        view = dock->view();
        view->resize(664, 244);  // a plot area of 588 x 200 pixels
        QCOMPARE(view->pointSpan().to, 999.0);
    }

    void cleanup() { app.reset(); }

    void theWheelZoomsAroundTheCursorAndShiftZoomsTheVolts()
    {
        const QPointF quarter(64 + 588 / 4.0, 100);  // over point 249.75
        wheel(quarter, 120, Qt::NoModifier);
        QCOMPARE(view->pointSpan().width(), 999 * 0.8);
        QCOMPARE(view->pointSpan().from + view->pointSpan().width() / 4, 249.75);
        QCOMPARE(view->voltSpan().width(), 10.0);
        wheel(quarter, -240, Qt::NoModifier);  // back out, no further than the whole
        QCOMPARE(view->pointSpan().width(), 999.0);
        wheel(QPointF(100, 22 + 200), 120, Qt::ShiftModifier);  // at -5 V
        QCOMPARE(view->voltSpan().from, -5.0);
        QCOMPARE(view->voltSpan().width(), 8.0);
    }

    void aDragPansAndFFits()
    {
        view->showPoints(100, 200);
        drag(QPointF(300, 50), QPointF(300 - 294, 50), Qt::NoModifier);  // half the area leftwards
        QCOMPARE(view->pointSpan().from, 150.0);
        QCOMPARE(view->pointSpan().to, 250.0);
        QTest::keyClick(view, Qt::Key_F);
        QCOMPARE(view->pointSpan().from, 0.0);
        QCOMPARE(view->pointSpan().to, 999.0);
    }

    void aDraggedDotIsOneEditAndCtrlSnapsItToTheInstrumentsSteps()
    {
        Workspace& ws = app->workspace();
        view->showPoints(0, 7);  // 84 pixels a point: every point a dot
        QCOMPARE(view->pointsDrawn(), 8);
        const QPointF point3(64 + 3 * 588 / 7.0, 22 + 200 - (-4.97 + 5) / 10 * 200);
        drag(point3, QPointF(point3.x(), 22 + 50), Qt::NoModifier);  // to +2.5 V
        QCOMPARE(ws.edit.WaveText[3], std::string("+2.500000E+00"));
        QCOMPARE(ws.edit.WaveText[2], std::string("-4.980000E+00"));
        QVERIFY(ws.ActiveDocumentChanged());
        UndoLastEdit(ws);
        QCOMPARE(ws.edit.WaveText[3], std::string("-4.970000E+00"));

        drag(point3, QPointF(point3.x(), 22 + 51), Qt::ControlModifier);
        const double snapped = ws.edit.WaveText.value(3);  // 2.45 V unsnapped
        QVERIFY(std::abs(snapped - SnapToInstrumentStep(2.45)) < 1e-6);
        // A press away from every dot pans instead of editing.
        drag(QPointF(point3.x(), 22 + 190), QPointF(point3.x(), 22 + 150), Qt::NoModifier);
        QCOMPARE(ws.edit.WaveText[4], std::string("-4.960000E+00"));
    }

    void aShiftDragWritesExactlyThePointsItPassesOverAsOneEdit()
    {
        Workspace& ws = app->workspace();
        view->showPoints(100, 200);  // 5.88 pixels a point
        const double y = 22 + 100;   // 0 V
        drag(QPointF(64 + 10 * 5.88, y), QPointF(64 + 20 * 5.88, y), Qt::ShiftModifier);
        QCOMPARE(ws.edit.WaveText[109], std::string("-3.910000E+00"));
        for (int i = 110; i <= 120; ++i)
            QCOMPARE(ws.edit.WaveText.value(i), 0.0);
        QCOMPARE(ws.edit.WaveText[121], std::string("-3.790000E+00"));
        UndoLastEdit(ws);
        QCOMPARE(ws.edit.WaveText[115], std::string("-3.850000E+00"));
    }

    void aNewMarkerSelectionComesIntoViewAndEachWindowKeepsItsZoom()
    {
        Workspace& ws = app->workspace();
        ws.edit.SelStartX = 4;  // columns 4..2, as a drag to the left captures them
        ws.edit.SelEndX = 2;
        ws.CaptureSelection();
        ws.DrawGrid();
        QCOMPARE(view->pointSpan().from, 64.0);
        QCOMPARE(view->pointSpan().to, 127.0);
        view->showPoints(500, 600);
        ws.DrawGrid();  // the same selection again: the user's zoom stays
        QCOMPARE(view->pointSpan().from, 500.0);

        DocumentWindow* first = ws.activeWindow();
        app->frame().toolbarAction(1, 1)->trigger();  // New: an empty waveform, fitted as it grows
        QCOMPARE(view->pointSpan().to, 1.0);
        test::FillWaveform(ws, std::vector<double>(50, 1.0));
        QCOMPARE(view->pointSpan().to, 49.0);
        ws.ActivateWindow(first);
        QCOMPARE(view->pointSpan().from, 500.0);
        QCOMPARE(view->pointSpan().to, 600.0);
    }

    void theTableShowsEveryPointAndRefusesWhatIsNoVoltsWithinFive()
    {
        Workspace& ws = app->workspace();
        PointTableModel& model = *dock->model();
        QCOMPARE(model.rowCount(), 1000);
        QCOMPARE(model.data(model.index(999, 0)).toInt(), 999);
        QCOMPARE(model.data(model.index(999, 1)).toString(), QString("+4.990000E+00"));
        QVERIFY(!(model.flags(model.index(5, 0)) & Qt::ItemIsEditable));
        QVERIFY(model.setData(model.index(5, 1), "1.5"));
        QCOMPARE(ws.edit.WaveText[5], std::string("+1.500000E+00"));
        for (const char* refused : {"5.001", "-5.001", "abc", ""}) {
            prompter.shown.clear();
            QVERIFY(!model.setData(model.index(6, 1), refused));
            QCOMPARE(test::Messages(prompter.shown).size(), 1);
            QCOMPARE(ws.edit.WaveText[6], std::string("-4.940000E+00"));
        }
        // Rows selected in the table are shown in the detail view.
        dock->table()->selectionModel()->select(
            QItemSelection(model.index(300, 0), model.index(340, 1)), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(view->pointSpan().from, 300.0);
        QCOMPARE(view->pointSpan().to, 340.0);
        dock->goToPoint(5000);  // past the end: the last point
        QCOMPARE(dock->table()->currentIndex().row(), 999);
    }

private:
    void wheel(QPointF at, int delta, Qt::KeyboardModifiers modifiers)
    {
        QWheelEvent event(at, view->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &event);
    }
    void drag(QPointF from, QPointF to, Qt::KeyboardModifiers modifiers)
    {
        auto send = [this, modifiers](QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton, buttons, modifiers);
            QApplication::sendEvent(view, &event);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }

    QTemporaryDir config;
    ScriptedPrompter prompter;
    std::unique_ptr<Application> app;
    DetailDock* dock = nullptr;
    DetailView* view = nullptr;
};

QTEST_MAIN(DetailViewTest)
#include "detail_view_qtest.moc"
