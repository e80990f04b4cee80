// The files the program opens by itself, the help file and the wait animation: a FIFO, a device
// or a folder in their place is never opened (a FIFO would hold the program forever).
#include <QFile>
#include <QMovie>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

#include "app/HelpViewer.h"
#include "model/ScriptedPrompter.h"
#include "app/WaitWindow.h"

using namespace tlv;

class OwnFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(mkfifo(QFile::encodeName(dir_.filePath("fifo")).constData(), 0600) == 0);
        QVERIFY(QDir(dir_.path()).mkdir("folder"));
        QFile help(dir_.filePath("help.hlp"));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.write("<a name=\"index\"></a>Contents");
    }

    void nonFilesAreNeverOpened_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("FIFO") << dir_.filePath("fifo");
        QTest::newRow("device") << QString("/dev/zero");
        QTest::newRow("folder") << dir_.filePath("folder");
    }

    void nonFilesAreNeverOpened()
    {
        QFETCH(QString, path);
        WaitWindow wait(path);
        QCOMPARE(wait.pictureSource(), WaitWindow::builtInPicture());
        QCOMPARE(wait.movie()->frameCount(), 8);

        HelpViewer viewer;
        QVERIFY(!viewer.openAtIndex(path));
        ScriptedPrompter prompter;
        QVERIFY(!prompter.showHelp(path));
        QCOMPARE(prompter.shown, QStringList{"help " + QFileInfo(path).fileName() + " -> unreadable"});
    }

    void aPlainHelpFileOpens()
    {
        HelpViewer viewer;
        QVERIFY(viewer.openAtIndex(dir_.filePath("help.hlp")));
        QCOMPARE(viewer.currentText(), QString("Contents"));
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(OwnFilesTest)
#include "own_files_qtest.moc"
