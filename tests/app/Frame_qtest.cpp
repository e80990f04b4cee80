// The real frame driven by real key, mouse and wheel events.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMovie>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "app/Application.h"
#include "app/DetailDock.h"
#include "app/DetailView.h"
#include "app/DocumentView.h"
#include "app/DownloadWindow.h"
#include "app/FormDialog.h"
#include "app/GuiPrompter.h"
#include "app/MainWindow.h"
#include "display/PlotPainter.h"
#include "editing/PointEdits.h"
#include "editing/PointTableModel.h"
#include "instrument/ChannelForm.h"
#include "instrument/Instrument.h"
#include "instrument/InterfaceForm.h"
#include "instrument/VirtualInstrumentProcess.h"
#include "model/ScriptedPrompter.h"
#include "model/VoltsText.h"
#include "support/ImageChecks.h"
#include "support/Prompts.h"

using namespace tlv;

// Counts the paint events a widget gets.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

class FrameTest : public QObject {
    Q_OBJECT

private slots:
    // A fresh application with its settings in the test's folder and its prompts scripted.
    void init()
    {
        prompter.shown.clear();
        qputenv("TOLVENAR_CONFIG_DIR", config.path().toLocal8Bit());
        app = std::make_unique<Application>(config.path());
        app->setPrompter(&prompter);
        app->startUp();
        app->frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app->frame()));
    }

    void cleanup()
    {
        app.reset();
        gui.reset();
        qunsetenv("TOLVENAR_COM1");
    }

    void menusAndButtonsMirrorTheCommandTable()
    {
        MainWindow& frame = app->frame();
        QVERIFY(!frame.menuAction("mnuSave")->isEnabled());
        QVERIFY(!frame.toolbar(2)->isEnabled());
        frame.toolbarAction(1, 1)->trigger();  // New
        QVERIFY(frame.toolbar(2)->isEnabled());
        QVERIFY(frame.toolbarAction(2, 1)->isChecked());
        // An item and its button are enabled one without the other.
        app->workspace().commands.setEnabled(Cmd::Sine, false);
        app->workspace().commands.setButtonEnabled(2, 7, false);
        QTRY_VERIFY(!frame.menuAction("mnuSine")->isEnabled());
        QVERIFY(frame.toolbarAction(2, 6)->isEnabled());
        QVERIFY(!frame.toolbarAction(2, 7)->isEnabled());
        QVERIFY(frame.menuAction("mnuTriangle")->isEnabled());
        frame.toolbarAction(2, 3)->trigger();  // Free hand
        QVERIFY(frame.toolbarAction(2, 3)->isChecked());
        QVERIFY(!frame.toolbarAction(2, 1)->isChecked());
        QVERIFY(!frame.menuAction("mnuEditselect")->isChecked());
    }

    void tilingSharesTheFrameBetweenTheWindows()
    {
        app->frame().resize(1500, 900);
        for (const char* item : {"mnuNew", "mnuNew", "mnuTile"})
            app->commands().run(item);
        for (QMdiSubWindow* sub : app->frame().mdiArea()->subWindowList())
            QVERIFY(sub->width() > 600 && sub->width() < 800);
    }

    void recentFilesSitAboveExit()
    {
        MainWindow& frame = app->frame();
        const QString wave = config.filePath("wave.csv");
        QFile file(wave);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("0,1.5\n1,-1.5\n") > 0);
        file.close();
        app->workspace().opener->OpenFile(wave);
        QStringList fileMenu;
        for (QAction* action : frame.menuAction("mnuFile")->menu()->actions())
            fileMenu << (action->isSeparator() ? "-" : action->text());
        QCOMPARE(fileMenu.mid(fileMenu.indexOf("&Export Image...")),
                 (QStringList{"&Export Image...", "-", "&1 " + wave, "-", "E&xit"}));
        app->workspace().file.Recent.remove(wave);
        QCOMPARE(frame.menuAction("mnuFile")->menu()->actions().last()->text(), QString("E&xit"));
        QCOMPARE(frame.menuAction("mnuFile")->menu()->actions().size(), fileMenu.size() - 2);
    }

    void aMissingHelpFileIsNamed()
    {
        app->frame().toolbarAction(1, 17)->trigger();
        QVERIFY(prompter.shown.value(1).contains(config.path() + "/help.hlp"));
    }

    void closeBoxRunsTheWindowClose()
    {
        Workspace& ws = app->workspace();
        ws.New();
        ws.New();
        app->frame().subWindowOf(ws.activeWindow()->id)->close();
        QTRY_COMPARE(app->frame().mdiArea()->subWindowList().size(), 1);
        QCOMPARE(ws.activeWindow()->caption, QString("Untitled Waveform Data 1"));
    }

    // Escape and the close box of the real save question cancel, never answer No.
    void escapeAndTheCloseBoxCancelTheSaveQuestion()
    {
        Workspace& ws = app->workspace();
        ws.New();
        app->commands().click(2, 14);
        useGuiPrompter();
        QStringList asked;
        for (bool escape : {true, false}) {
            QTimer::singleShot(0, [&asked, escape] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                asked << box->text();
                if (escape)
                    QTest::keyClick(box, Qt::Key_Escape);
                else
                    box->close();
            });
            app->commands().run("mnuClose");
        }
        QCOMPARE(asked, QStringList(2, "Save changes to Untitled Waveform Data 1?"));
        QCOMPARE(ws.windows().size(), size_t(1));
        QVERIFY(ws.ActiveDocumentChanged());
    }

    // The mouse tools on a new window sized so that one pixel is one plot unit.
    void movesShowTheReadoutInTheStatusBar()
    {
        openPlot();
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
        openPlot();
        Workspace& ws = app->workspace();
        app->frame().toolbarAction(2, 6)->trigger();  // Sine, 2000 points: columns 0..62
        app->frame().toolbarAction(2, 3)->trigger();  // Free hand
        const std::string untouched = ws.edit.WaveText[41 * 32];
        dragPlot(QPoint(20, 50), QPoint(40, 250));
        // Columns 20..40 on the line between the two positions, 32 equal points each.
        QCOMPARE(ws.edit.PointCount, 2000);
        QCOMPARE(ws.edit.WaveText[41 * 32], untouched);
        for (int column : {20, 30, 40}) {
            const std::string volts = FormatVoltsText(5 - (50 + 10.0 * (column - 20)) / 30.4);
            QCOMPARE(ws.edit.WaveText[column * 32], volts);
            QCOMPARE(ws.edit.WaveText[column * 32 + 31], volts);
        }
        QVERIFY(PaintedNear(plot->grab().toImage(), 30, 150, kTraceColour));
    }

    void aMarkerDragShowsTheBandAndOffersCutAndCopy()
    {
        openPlot();
        Workspace& ws = app->workspace();
        app->frame().toolbarAction(2, 6)->trigger();  // Sine, 2000 points: columns 0..62
        dragPlot(QPoint(10, 100), QPoint(30, 120));
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
        openPlot();
        Workspace& ws = app->workspace();
        app->frame().toolbarAction(2, 4)->trigger();  // Line
        QTest::mouseClick(plot, Qt::LeftButton, {}, QPoint(40, 100));
        QTest::mouseMove(plot, QPoint(80, 20));
        QVERIFY(PaintedNear(plot->grab().toImage(), 60, 60, kLineToolColour));
        QTest::keyClick(plot, Qt::Key_Escape);
        QTRY_VERIFY(app->frame().toolbarAction(2, Tb2::Marker)->isChecked());
        QVERIFY(app->frame().menuAction("mnuEditselect")->isChecked());
        QVERIFY(!PaintedNear(plot->grab().toImage(), 60, 60, kLineToolColour));

        app->frame().toolbarAction(2, 4)->trigger();
        ws.work.ClipboardFull = true;
        ws.work.PasteColumn = 7;
        QTest::mouseDClick(plot, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(ws.work.PasteColumn, 7);  // the double click's release makes no click
        QCOMPARE(ws.edit.ToolMode, 0);
        QTRY_VERIFY(app->frame().toolbarAction(2, Tb2::Marker)->isChecked());
    }

    // The detail view and the point table on a ramp of 1000 points from -5 V rising 0.01 V a point.
    void theWheelZoomsAroundTheCursorAndShiftZoomsTheVolts()
    {
        openDetail();
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

    void aDragPansCtrlSnapsADotAndFFits()
    {
        openDetail();
        Workspace& ws = app->workspace();
        view->showPoints(100, 200);
        dragDetail(QPointF(300, 50), QPointF(300 - 294, 50), Qt::NoModifier);  // half the area leftwards
        QCOMPARE(shownPoints(), std::pair(150.0, 250.0));
        view->showPoints(0, 7);  // 84 pixels a point: every point a dot
        const double x3 = 64 + 3 * 588 / 7.0;
        dragDetail(QPointF(x3, 22 + 200 - 0.03 * 20), QPointF(x3, 22 + 51), Qt::ControlModifier);
        const double snapped = ws.edit.WaveText.value(3);  // 2.45 V unsnapped
        QVERIFY(std::abs(snapped - SnapToInstrumentStep(2.45)) < 1e-6);
        // A press away from every dot pans instead of editing.
        dragDetail(QPointF(x3, 22 + 190), QPointF(x3, 22 + 150), Qt::NoModifier);
        QCOMPARE(ws.edit.WaveText.value(3), snapped);
        QTest::keyClick(view, Qt::Key_F);
        QCOMPARE(shownPoints(), std::pair(0.0, 999.0));
    }

    void aNewMarkerSelectionComesIntoViewAndEachWindowKeepsItsZoom()
    {
        openDetail();
        Workspace& ws = app->workspace();
        ws.edit.SelStartX = 4;  // columns 4..2, as a drag to the left captures them
        ws.edit.SelEndX = 2;
        ws.CaptureSelection();
        ws.DrawGrid();
        QCOMPARE(shownPoints(), std::pair(64.0, 127.0));
        view->showPoints(500, 600);
        ws.DrawGrid();  // the same selection again: the user's zoom stays
        QCOMPARE(view->pointSpan().from, 500.0);

        DocumentWindow* first = ws.activeWindow();
        app->frame().toolbarAction(1, 1)->trigger();  // New: an empty waveform, fitted as it grows
        test::FillWaveform(ws, std::vector<double>(50, 1.0));
        QCOMPARE(view->pointSpan().to, 49.0);
        ws.ActivateWindow(first);
        QCOMPARE(shownPoints(), std::pair(500.0, 600.0));
    }

    void theTableShowsEveryPointAndRefusesWhatIsNoVoltsWithinFive()
    {
        openDetail();
        Workspace& ws = app->workspace();
        PointTableModel& model = *dock->model();
        QCOMPARE(model.data(model.index(999, 1)).toString(), QString("+4.990000E+00"));
        QVERIFY(!(model.flags(model.index(5, 0)) & Qt::ItemIsEditable));
        QVERIFY(model.setData(model.index(5, 1), "5"));
        QCOMPARE(ws.edit.WaveText[5], std::string("+5.000000E+00"));
        for (const char* refused : {"5.001", "-5.001", "abc", ""}) {
            prompter.shown.clear();
            QVERIFY(!model.setData(model.index(6, 1), refused));
            QCOMPARE(test::Messages(prompter.shown).size(), 1);
            QCOMPARE(ws.edit.WaveText[6], std::string("-4.940000E+00"));
        }
        // Rows selected in the table are shown in the detail view.
        dock->table()->selectionModel()->select(
            QItemSelection(model.index(300, 0), model.index(340, 1)), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(shownPoints(), std::pair(300.0, 340.0));
    }

    // The progress window over the real frame, and the instrument dialogs in their Qt view.
    void frameKeepsPaintingAndCancelStopsTheDownload()
    {
        useGuiPrompter();
        // 4000 values at 2400 baud take half a minute; the test cancels after a moment.
        VirtualInstrumentProcess vi({"--baud", "2400"});
        qputenv("TOLVENAR_COM1", vi.device().toLocal8Bit());
        Workspace& ws = app->workspace();
        ws.link.ComBaudText = "2400";
        ws.link.ComPortNo = 1;
        app->commands().run("mnuNew");
        test::FillWaveform(ws, std::vector<double>(4000, 2.5));
        DocumentView* document = app->frame().viewOf(ws.activeWindow()->id);
        PaintCounter counter;
        document->installEventFilter(&counter);

        int paintsBefore = -1, paintsDuring = 0, firstFrame = -1;
        bool animated = false, cancelled = false;
        QString message;
        QElapsedTimer shown;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* window = app->frame().findChild<DownloadWindow*>();
            if (window && window->isVisible() && !cancelled) {
                if (paintsBefore < 0) {
                    paintsBefore = counter.paints;
                    firstFrame = window->movie()->currentFrameNumber();
                    shown.start();
                }
                document->update();
                animated = animated || window->movie()->currentFrameNumber() != firstFrame;
                if (shown.elapsed() > 800) {
                    paintsDuring = counter.paints - paintsBefore;
                    window->cancelButton()->click();
                    cancelled = true;
                }
            }
            for (auto* box : app->frame().findChildren<QMessageBox*>())
                if (box->isVisible()) {
                    message = box->text();
                    box->accept();
                }
        });
        poll.start(50);
        app->commands().run("mnuSend");
        poll.stop();

        QVERIFY2(paintsDuring > 0, "the plot did not repaint during the download");
        QVERIFY(animated);
        QVERIFY2(message.startsWith("The download was cancelled after "), qPrintable(message));
        QVERIFY(!app->frame().findChild<DownloadWindow*>());
    }

    void formsShowFramesColoursAndTheirCancelButton()
    {
        Workspace& ws = app->workspace();
        Instrument instrument(ws);
        InterfaceForm settings(ws, instrument);
        FormDialog dialog(settings, &app->frame());
        auto* frame = qobject_cast<QGroupBox*>(dialog.widgetOf("Frame2"));
        QCOMPARE(frame->title(), QString(" Set Up"));
        QCOMPARE(qobject_cast<QComboBox*>(dialog.widgetOf("cboRate"))->currentIndex(), 2);
        auto* value = qobject_cast<QLabel*>(dialog.widgetOf("Label5"));
        auto* caption = qobject_cast<QLabel*>(dialog.widgetOf("Label1"));
        QVERIFY(value->autoFillBackground());
        QCOMPARE(value->palette().color(QPalette::Window), QColor(0xFFFFC0));
        settings.click("opGPIB");
        QCOMPARE(value->palette().color(QPalette::Window), QColor(0xE0E0E0));
        QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(0x808080));
        QVERIFY(!frame->isEnabled());

        ChannelForm channel(ws, instrument);
        FormDialog channelDialog(channel, &app->frame());
        channelDialog.reject();
        QVERIFY(channel.isClosed());
    }

private:
    void useGuiPrompter()
    {
        gui = std::make_unique<GuiPrompter>(&app->frame());
        app->setPrompter(gui.get());
    }
    void openPlot()
    {
        app->frame().toolbarAction(1, 1)->trigger();  // New
        Workspace& ws = app->workspace();
        DocumentView* document = app->frame().viewOf(ws.activeWindow()->id);
        QMdiSubWindow* sub = app->frame().subWindowOf(ws.activeWindow()->id);
        sub->resize(sub->size() - document->size() + QSize(570 + 58, 370 + 56));
        QTRY_COMPARE(document->plot()->size(), QSize(570, 370));
        plot = document->plot();
    }
    // A press, a move with the button down and the release there.
    void dragPlot(QPoint from, QPoint to)
    {
        QTest::mousePress(plot, Qt::LeftButton, {}, from);
        QTest::mouseMove(plot, to);
        QTest::mouseRelease(plot, Qt::LeftButton, {}, to);
    }
    void openDetail()
    {
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
    }
    std::pair<double, double> shownPoints() const { return {view->pointSpan().from, view->pointSpan().to}; }
    void wheel(QPointF at, int delta, Qt::KeyboardModifiers modifiers)
    {
        QWheelEvent event(at, view->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &event);
    }
    void dragDetail(QPointF from, QPointF to, Qt::KeyboardModifiers modifiers)
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
    std::unique_ptr<GuiPrompter> gui;
    QWidget* plot = nullptr;
    DetailDock* dock = nullptr;
    DetailView* view = nullptr;
};

QTEST_MAIN(FrameTest)
#include "Frame_qtest.moc"
