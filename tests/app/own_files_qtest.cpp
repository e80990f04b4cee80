// The help file and the wait and download animations: a FIFO in their place is never opened (it
// would hold the program forever), and a picture that cannot play gives way to the built-in one.
#include <QFile>
#include <QMovie>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

#include "app/Animation.h"
#include "app/DownloadWindow.h"
#include "app/GuiPrompter.h"
#include "app/HelpViewer.h"
#include "app/WaitWindow.h"
#include "model/ScriptedPrompter.h"

using namespace tlv;

// Work that ends when told to.
class IdleWork : public ProgressWork {
public:
    bool done = false;
    void start() override {}
    bool finished() const override { return done; }
    void wait() override {}
    void cancel() override { done = true; }
    QString progressText() const override { return "0 values sent of 1"; }
};

class OwnFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(mkfifo(QFile::encodeName(dir_.filePath("fifo")).constData(), 0600) == 0);
        QFile builtIn(WaitWindow::builtInPicture());
        QVERIFY(builtIn.open(QIODevice::ReadOnly));
        static const char broken[] = "GIF89a\x10\x00\x10\x00 not a picture";
        for (const auto& [name, content] :
             {std::pair{QString("help.hlp"), QByteArray("<a name=\"index\"></a>Contents")},
              std::pair{QString("wait.gif"), builtIn.readAll()},
              std::pair{QString("broken.gif"), QByteArray(broken, sizeof broken - 1)}}) {
            QFile file(dir_.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
    }

    void onlyAPlayablePictureBesideTheProgramIsPlayed()
    {
        for (const char* name : {"wait.gif", "broken.gif", "fifo"}) {
            const QString path = dir_.filePath(name);
            WaitWindow window(path);
            QCOMPARE(window.pictureSource(), path.endsWith("wait.gif") ? path : WaitWindow::builtInPicture());
            QCOMPARE(window.movie()->frameCount(), 8);
            QCOMPARE(window.movie()->state(), QMovie::Running);
        }
    }

    void theDownloadWindowPlaysTheBuiltInAnimationWhenNoneIsBesideTheProgram()
    {
        IdleWork work;
        DownloadWindow window(dir_.filePath("Down.gif"), work);
        QCOMPARE(window.movie()->fileName(), BuiltInAnimation("Down.gif"));
        QCOMPARE(window.progressText(), QString("0 values sent of 1"));
        window.reject();  // Escape or the close box: asks the work to stop
        QVERIFY(work.done);
    }

    void onlyAPlainHelpFileOpens()
    {
        HelpViewer viewer;
        QVERIFY(!viewer.openAtIndex(dir_.filePath("fifo")));
        ScriptedPrompter prompter;
        QVERIFY(!prompter.showHelp(dir_.filePath("fifo")));
        QCOMPARE(prompter.shown, QStringList{"help fifo -> unreadable"});
        QVERIFY(viewer.openAtIndex(dir_.filePath("help.hlp")));
        QCOMPARE(viewer.currentText(), QString("Contents"));
    }

    // frmWait plays while the reader pumps and goes when it is closed.
    void promptersWaitWindowComesAndGoes()
    {
        QWidget frame;
        frame.resize(400, 300);
        frame.show();
        GuiPrompter prompter(&frame);
        prompter.showWait();
        auto* wait = frame.findChild<WaitWindow*>();
        QVERIFY(wait && wait->isVisible());
        const int frame0 = wait->movie()->currentFrameNumber();
        QTest::qWait(250);
        prompter.pumpWait();
        QVERIFY(wait->movie()->currentFrameNumber() != frame0);
        prompter.closeWait();
        QVERIFY(!frame.findChild<WaitWindow*>());
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(OwnFilesTest)
#include "own_files_qtest.moc"
