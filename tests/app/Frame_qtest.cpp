#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "app/GuiPrompter.h"
#include "model/ScriptedPrompter.h"
#include "support/StartFrame.h"

using namespace tlv;

// The real frame, driven as a user would: it must follow the command table and route keys. Its
// title and window list are the menus script's; the plot's mouse input is plot_mouse_qtest's;
// painting is PlotGeometry_test's and the labels at any size axis_labels_qtest's.
class FrameTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        prompter.shown.clear();
        QVERIFY(test::StartFrame(app, config, prompter));
    }

    void cleanup() { app.reset(); }

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
        GuiPrompter gui(&frame);
        app->setPrompter(&gui);
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
        app->setPrompter(&prompter);
        QCOMPARE(asked, QStringList(2, "Save changes to Untitled Waveform Data 1?"));
        QVERIFY(frame.isVisible());
        QVERIFY(!app->commands().frameClosed());
        QCOMPARE(ws.windows().size(), size_t(1));
        QCOMPARE(ws.edit.PointCount, points);
        QVERIFY(ws.ActiveDocumentChanged());
    }

private:
    QTemporaryDir config;
    ScriptedPrompter prompter;
    std::unique_ptr<Application> app;
};

QTEST_MAIN(FrameTest)
#include "Frame_qtest.moc"
