// The progress window frmDown over the real frame, and the instrument dialogs in their Qt view.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QMovie>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "instrument/VirtualInstrumentProcess.h"
#include "app/Animation.h"
#include "app/Application.h"
#include "app/DocumentView.h"
#include "app/DownloadWindow.h"
#include "app/FormDialog.h"
#include "app/GuiPrompter.h"
#include "app/MainWindow.h"
#include "instrument/ChannelForm.h"
#include "instrument/Instrument.h"
#include "instrument/InterfaceForm.h"
#include "support/Prompts.h"

using namespace tlv;

namespace {

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

}  // namespace

class DownloadWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        qputenv("TOLVENAR_CONFIG_DIR", config_.path().toLocal8Bit());
        app_ = std::make_unique<Application>(config_.path());
        prompter_ = std::make_unique<GuiPrompter>(&app_->frame());
        app_->setPrompter(prompter_.get());
        app_->startUp();
        app_->frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app_->frame()));
    }
    void cleanup()
    {
        app_.reset();
        prompter_.reset();
        qunsetenv("TOLVENAR_COM1");
    }

    void frameKeepsPaintingAndCancelStopsTheDownload();
    void playsTheBuiltInAnimationWhenNoneIsBesideTheProgram();
    void formsShowFramesColoursAndTheirCancelButton();

private:
    QTemporaryDir config_;
    std::unique_ptr<Application> app_;
    std::unique_ptr<GuiPrompter> prompter_;
};

void DownloadWindowTest::frameKeepsPaintingAndCancelStopsTheDownload()
{
    // 4000 values at 2400 baud take half a minute; the test cancels after a moment.
    VirtualInstrumentProcess vi({"--baud", "2400"});
    qputenv("TOLVENAR_COM1", vi.device().toLocal8Bit());
    Workspace& ws = app_->workspace();
    ws.link.ComBaudText = "2400";
    ws.link.ComPortNo = 1;
    app_->commands().run("mnuNew");
    test::FillWaveform(ws, std::vector<double>(4000, 2.5));
    DocumentView* view = app_->frame().viewOf(ws.activeWindow()->id);
    PaintCounter counter;
    view->installEventFilter(&counter);

    int paintsBefore = -1, paintsDuring = 0, firstFrame = -1;
    bool animated = false, cancelled = false;
    QString textAtCancel, message;
    QElapsedTimer shown;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* window = app_->frame().findChild<DownloadWindow*>();
        if (window && window->isVisible() && !cancelled) {
            if (paintsBefore < 0) {
                paintsBefore = counter.paints;
                firstFrame = window->movie()->currentFrameNumber();
                shown.start();
            }
            view->update();
            animated = animated || window->movie()->currentFrameNumber() != firstFrame;
            if (shown.elapsed() > 800) {
                paintsDuring = counter.paints - paintsBefore;
                textAtCancel = window->progressText();
                window->cancelButton()->click();
                cancelled = true;
            }
        }
        for (auto* box : app_->frame().findChildren<QMessageBox*>())
            if (box->isVisible()) {
                message = box->text();
                box->accept();
            }
    });
    poll.start(50);
    app_->commands().run("mnuSend");
    poll.stop();

    QVERIFY2(paintsDuring > 0, "the plot did not repaint during the download");
    QVERIFY(animated);
    QVERIFY2(textAtCancel.endsWith(" values sent of 4000") && !textAtCancel.startsWith("0 "),
             qPrintable(textAtCancel));
    QVERIFY2(message.startsWith("The download was cancelled after ") &&
                 message.endsWith("The instrument did not receive the whole waveform."),
             qPrintable(message));
    QVERIFY(!app_->frame().findChild<DownloadWindow*>());
    // The instrument gives up the block it never got the end of.
    const auto dropped = vi.awaitEvents("incomplete", 1);
    QCOMPARE(dropped.size(), size_t(1));
    QVERIFY(dropped[0]["values"].toInt() < 4000);
    QCOMPARE(dropped[0]["expected"].toInt(), 4000);
    QVERIFY(vi.events("data").empty());
}

void DownloadWindowTest::playsTheBuiltInAnimationWhenNoneIsBesideTheProgram()
{
    IdleWork work;
    DownloadWindow window(config_.filePath("Down.gif"), work);
    QCOMPARE(window.objectName(), QString("frmDown"));
    QCOMPARE(window.movie()->fileName(), BuiltInAnimation("Down.gif"));
    QCOMPARE(window.movie()->frameCount(), 8);
    QCOMPARE(window.progressText(), QString("0 values sent of 1"));
    window.reject();  // Escape or the close box: asks the work to stop
    QVERIFY(work.done);
}

void DownloadWindowTest::formsShowFramesColoursAndTheirCancelButton()
{
    Workspace& ws = app_->workspace();
    Instrument instrument(ws);
    InterfaceForm settings(ws, instrument);
    FormDialog dialog(settings, &app_->frame());
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
    FormDialog channelDialog(channel, &app_->frame());
    channelDialog.reject();
    QVERIFY(channel.isClosed());
}

QTEST_MAIN(DownloadWindowTest)
#include "download_window_qtest.moc"
