// The wait window frmWait: its picture, and how the GUI prompter shows and unloads it.
#include <QApplication>
#include <QMovie>
#include <QTemporaryDir>
#include <QtTest>

#include "app/GuiPrompter.h"
#include "app/WaitWindow.h"

using namespace tlv;

class WaitWindowTest : public QObject {
    Q_OBJECT
private slots:
    void playsTheGifGivenOrTheBuiltInCopy_data();
    void playsTheGifGivenOrTheBuiltInCopy();
    void promptersWaitWindowComesAndGoes();

private:
    QTemporaryDir dir_;
};

void WaitWindowTest::playsTheGifGivenOrTheBuiltInCopy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("own");

    QFile builtIn(WaitWindow::builtInPicture());
    QVERIFY(builtIn.open(QIODevice::ReadOnly));
    QTest::newRow("beside the program") << QString("wait.gif") << builtIn.readAll() << true;
    QTest::newRow("missing") << QString() << QByteArray() << false;
    QTest::newRow("broken") << QString("broken.gif")
                            << QByteArray("GIF89a\x10\x00\x10\x00 not a picture", 24) << false;
    QTest::newRow("empty") << QString("empty.gif") << QByteArray() << false;
}

void WaitWindowTest::playsTheGifGivenOrTheBuiltInCopy()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, own);
    QString path = dir_.filePath(name.isEmpty() ? "absent.gif" : name);
    if (!name.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    WaitWindow window(path);
    QCOMPARE(window.pictureSource(), own ? path : WaitWindow::builtInPicture());
    QCOMPARE(window.movie()->frameCount(), 8);
    QCOMPARE(window.movie()->state(), QMovie::Running);
}

void WaitWindowTest::promptersWaitWindowComesAndGoes()
{
    QWidget frame;
    frame.resize(400, 300);
    frame.show();
    GuiPrompter prompter(&frame);
    prompter.showWait();
    auto* wait = frame.findChild<WaitWindow*>();
    QVERIFY(wait);
    QVERIFY(wait->isVisible());
    QCOMPARE(wait->objectName(), QString("frmWait"));
    const int frame0 = wait->movie()->currentFrameNumber();
    QTest::qWait(250);  // the animation plays while the reader pumps
    prompter.pumpWait();
    QVERIFY(wait->movie()->currentFrameNumber() != frame0);
    prompter.closeWait();
    QVERIFY(!frame.findChild<WaitWindow*>());
}

QTEST_MAIN(WaitWindowTest)
#include "wait_window_qtest.moc"
