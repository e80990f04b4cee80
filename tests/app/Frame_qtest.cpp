// The real frame, driven as a user would with real key, mouse and wheel events: its menus and
// toolbars follow the command table, the plot takes the mouse tools, the detail view and point
// table zoom and edit, and a download keeps the frame painting. The title and window list are
// the menus script's; painting is PlotGeometry_test's and the labels at any size
// axis_labels_qtest's.
#include <QAction>
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
#include "editing/EditCommands.h"
#include "editing/PointEdits.h"
#include "editing/PointTableModel.h"
#include "instrument/ChannelForm.h"
#include "instrument/Instrument.h"
#include "instrument/InterfaceForm.h"
#include "instrument/VirtualInstrumentProcess.h"
#include "model/EditPath.h"
#include "model/ScriptedPrompter.h"
#include "model/VoltsText.h"
#include "support/ImageChecks.h"
#include "support/Prompts.h"

using namespace tlv;

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
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
        QVERIFY(!frame.toolbarAction(1, 3)->isEnabled());
        QVERIFY(!frame.toolbar(2)->isEnabled());
        QVERIFY(frame.menuAction("mnuEditselect")->isChecked());

        frame.toolbarAction(1, 1)->trigger();  // New
        QCOMPARE(app->workspace().windows().size(), size_t(1));
        QVERIFY(frame.toolbar(2)->isEnabled());
        QVERIFY(frame.menuAction("mnuSine")->isEnabled());
        QVERIFY(frame.toolbarAction(2, 1)->isChecked());

        app->workspace().commands.setEnabled(Cmd::Sine, false);
        app->workspace().commands.setButtonEnabled(2, 6, false);
        QTRY_VERIFY(!frame.menuAction("mnuSine")->isEnabled());
        QVERIFY(!frame.toolbarAction(2, 6)->isEnabled());

        frame.toolbarAction(2, 3)->trigger();  // Free hand
        QVERIFY(frame.toolbarAction(2, 3)->isChecked());
        QVERIFY(!frame.toolbarAction(2, 1)->isChecked());
        QVERIFY(!frame.menuAction("mnuEditselect")->isChecked());
        QCOMPARE(frame.toolbarAction(2, 6)->toolTip(), QString("Sine"));
        QCOMPARE(frame.toolbarAction(1, 13)->toolTip(), QString("Send waveform"));
    }

    void tilingShareTheFrameBetweenTheWindows()
    {
        app->frame().resize(1500, 900);
        for (const char* item : {"mnuNew", "mnuNew", "mnuTile"})
            app->commands().run(item);
        const auto subs = app->frame().mdiArea()->subWindowList();
        QCOMPARE(subs.size(), 2);
        for (QMdiSubWindow* sub : subs)
            QVERIFY(sub->width() > 600 && sub->width() < 800);
    }

    void shortcutsReachTheirCommands()
    {
        MainWindow& frame = app->frame();
        QStringList ran;
        for (CommandId item : {Cmd::Clear, Cmd::ClearAll, Cmd::SelectAll, Cmd::HelpIndex, Cmd::New,
                               Cmd::Open, Cmd::Save, Cmd::Print})
            app->commands().add(item, [&ran, item] { ran << item.text(); });
        app->workspace().commands.enable({Cmd::Clear, Cmd::ClearAll, Cmd::SelectAll, Cmd::Save, Cmd::Print});
        frame.syncCommands();
        frame.activateWindow();
        for (const QKeySequence keys : {QKeySequence(Qt::Key_Delete), QKeySequence(Qt::CTRL | Qt::Key_A),
                                        QKeySequence(Qt::Key_F1), QKeySequence(Qt::CTRL | Qt::Key_N),
                                        QKeySequence(Qt::CTRL | Qt::Key_O), QKeySequence(Qt::CTRL | Qt::Key_S),
                                        QKeySequence(Qt::CTRL | Qt::Key_P)})
            QTest::keySequence(&frame, keys);
        QCOMPARE(ran, (QStringList{"mnuClear", "mnuClearall", "mnuIndex", "mnuNew", "mnuOpen",
                                   "mnuSave", "mnuPrint"}));
    }

    void recentFilesSitAboveExit()
    {
        MainWindow& frame = app->frame();
        Workspace& ws = app->workspace();
        const QString wave = config.filePath("wave.csv");
        QFile file(wave);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("0,1.5\n1,-1.5\n");
        file.close();
        ws.opener->OpenFile(wave);
        ws.Close();
        QCOMPARE(frame.recentFileActions().size(), 1);
        QStringList fileMenu;
        for (QAction* action : frame.menuAction("mnuFile")->menu()->actions())
            fileMenu << (action->isSeparator() ? "-" : action->text());
        QCOMPARE(fileMenu.mid(fileMenu.indexOf("&Print")),
                 (QStringList{"&Print", "&Export Image...", "-", "&1 " + wave, "-", "E&xit"}));

        ws.file.Recent.remove(wave);
        QVERIFY(frame.recentFileActions().isEmpty());
        QCOMPARE(frame.menuAction("mnuFile")->menu()->actions().last()->text(), QString("E&xit"));
    }

    void helpOpensTheHelpFileFromAnyState()
    {
        app->frame().toolbarAction(1, 17)->trigger();
        // No help file sits in the test's program folder: the prompt names the one it looked for.
        QCOMPARE(prompter.shown.value(0), QString("help help.hlp -> unreadable"));
        QVERIFY(prompter.shown.value(1).contains(config.path() + "/help.hlp"));
    }

    void closeBoxRunsTheWindowClose()
    {
        Workspace& ws = app->workspace();
        ws.New();
        ws.New();
        app->frame().subWindowOf(ws.activeWindow()->id)->close();
        QTRY_COMPARE(ws.windows().size(), size_t(1));
        QTRY_COMPARE(app->frame().mdiArea()->subWindowList().size(), 1);
        QCOMPARE(ws.activeWindow()->caption, QString("Untitled Waveform Data 1"));
    }

    // The real save question: Escape and its close box cancel, and the window keeps its points;
    // at the frame's close box the program goes on.
    void escapeAndTheCloseBoxCancelTheSaveQuestion()
    {
        Workspace& ws = app->workspace();
        MainWindow& frame = app->frame();
        ws.New();
        app->commands().click(2, 14);
        const int points = ws.edit.PointCount;
        QVERIFY(points > 0);
        useGuiPrompter();
        QStringList asked;
        auto dismissNextBox = [&asked](bool escape) {
            QTimer::singleShot(0, [&asked, escape] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                asked << box->text();
                if (escape)
                    QTest::keyClick(box, Qt::Key_Escape);
                else
                    box->close();
            });
        };
        dismissNextBox(true);
        app->commands().run("mnuClose");
        dismissNextBox(false);
        QVERIFY(!frame.close());
        QCOMPARE(asked, QStringList(2, "Save changes to Untitled Waveform Data 1?"));
        QVERIFY(frame.isVisible());
        QVERIFY(!app->commands().frameClosed());
        QCOMPARE(ws.windows().size(), size_t(1));
        QCOMPARE(ws.edit.PointCount, points);
        QVERIFY(ws.ActiveDocumentChanged());
    }

    // The plot, with the mouse tools driven by QTest's events on a new window sized so that one
    // pixel is one plot unit.
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
        QCOMPARE(ws.edit.ToolMode, 1);
        const std::string untouched = ws.edit.WaveText[41 * 32];
        dragPlot(QPoint(20, 50), QPoint(40, 250));
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
        openPlot();
        Workspace& ws = app->workspace();
        app->frame().toolbarAction(2, 6)->trigger();  // Sine, 2000 points: columns 0..62
        dragPlot(QPoint(10, 100), QPoint(30, 120));
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
        openPlot();
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

    // The detail view and the point table, driven by sent events, on a ramp of 1000 points from
    // -5 V rising 0.01 V a point.
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

    void aDragPansAndFFits()
    {
        openDetail();
        view->showPoints(100, 200);
        dragDetail(QPointF(300, 50), QPointF(300 - 294, 50), Qt::NoModifier);  // half the area leftwards
        QCOMPARE(shownPoints(), std::pair(150.0, 250.0));
        QTest::keyClick(view, Qt::Key_F);
        QCOMPARE(shownPoints(), std::pair(0.0, 999.0));
    }

    void aDraggedDotIsOneEditAndCtrlSnapsItToTheInstrumentsSteps()
    {
        openDetail();
        Workspace& ws = app->workspace();
        view->showPoints(0, 7);  // 84 pixels a point: every point a dot
        QCOMPARE(view->pointsDrawn(), 8);
        const QPointF point3(64 + 3 * 588 / 7.0, 22 + 200 - (-4.97 + 5) / 10 * 200);
        dragDetail(point3, QPointF(point3.x(), 22 + 50), Qt::NoModifier);  // to +2.5 V
        QCOMPARE(ws.edit.WaveText[3], std::string("+2.500000E+00"));
        QCOMPARE(ws.edit.WaveText[2], std::string("-4.980000E+00"));
        QVERIFY(ws.ActiveDocumentChanged());
        UndoLastEdit(ws);
        QCOMPARE(ws.edit.WaveText[3], std::string("-4.970000E+00"));

        dragDetail(point3, QPointF(point3.x(), 22 + 51), Qt::ControlModifier);
        const double snapped = ws.edit.WaveText.value(3);  // 2.45 V unsnapped
        QVERIFY(std::abs(snapped - SnapToInstrumentStep(2.45)) < 1e-6);
        // A press away from every dot pans instead of editing.
        dragDetail(QPointF(point3.x(), 22 + 190), QPointF(point3.x(), 22 + 150), Qt::NoModifier);
        QCOMPARE(ws.edit.WaveText[4], std::string("-4.960000E+00"));
    }

    void aShiftDragWritesExactlyThePointsItPassesOverAsOneEdit()
    {
        openDetail();
        Workspace& ws = app->workspace();
        view->showPoints(100, 200);  // 5.88 pixels a point
        const double y = 22 + 100;   // 0 V
        dragDetail(QPointF(64 + 10 * 5.88, y), QPointF(64 + 20 * 5.88, y), Qt::ShiftModifier);
        QCOMPARE(ws.edit.WaveText[109], std::string("-3.910000E+00"));
        for (int i = 110; i <= 120; ++i)
            QCOMPARE(ws.edit.WaveText.value(i), 0.0);
        QCOMPARE(ws.edit.WaveText[121], std::string("-3.790000E+00"));
        UndoLastEdit(ws);
        QCOMPARE(ws.edit.WaveText[115], std::string("-3.850000E+00"));
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
        QCOMPARE(view->pointSpan().to, 1.0);
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
        QCOMPARE(shownPoints(), std::pair(300.0, 340.0));
        dock->goToPoint(5000);  // past the end: the last point
        QCOMPARE(dock->table()->currentIndex().row(), 999);
    }

    // The progress window frmDown over the real frame, and the instrument dialogs in their Qt view.
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
        QString textAtCancel, message;
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
                    textAtCancel = window->progressText();
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
        QVERIFY2(textAtCancel.endsWith(" values sent of 4000") && !textAtCancel.startsWith("0 "),
                 qPrintable(textAtCancel));
        QVERIFY2(message.startsWith("The download was cancelled after ") &&
                     message.endsWith("The instrument did not receive the whole waveform."),
                 qPrintable(message));
        QVERIFY(!app->frame().findChild<DownloadWindow*>());
        // The instrument gives up the block it never got the end of.
        const auto dropped = vi.awaitEvents("incomplete", 1);
        QCOMPARE(dropped.size(), size_t(1));
        QVERIFY(dropped[0]["values"].toInt() < 4000);
        QCOMPARE(dropped[0]["expected"].toInt(), 4000);
        QVERIFY(vi.events("data").empty());
    }

    void formsShowFramesColoursAndTheirCancelButton()
    {
        Workspace& ws = app->workspace();
        Instrument instrument(ws);
        InterfaceForm settings(ws, instrument);
        FormDialog dialog(settings, &app->frame());
        auto* frame = qobject_cast<QGroupBox*>(dialog.widgetOf("Frame2"));
        QVERIFY(frame);
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
        QVERIFY(!dialog.widgetOf("cboRate")->isEnabled());

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
        QCOMPARE(view->pointSpan().to, 999.0);
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
