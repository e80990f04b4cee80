// The serial link on a real pseudo-terminal, against the virtual instrument.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QThread>
#include <cmath>
#include <dlfcn.h>
#include <mutex>
#include <termios.h>
#include <utility>

#include "VirtualInstrumentProcess.h"
#include "Waveforms.h"
#include "instrument/SerialLink.h"
#include "instrument/SerialSequences.h"
#include "instrument/WireFormat.h"

using namespace tlv;
using namespace tlv::test;

namespace {

// COM1 pointed at the device, as a user without hardware does it.
struct Com1 {
    explicit Com1(const QString& device, const QString& baud = "115200")
    {
        qputenv("TOLVENAR_COM1", device.toLocal8Bit());
        link.setPortNumber(1);
        link.setSettings(SerialSettingsText(baud));
    }
    ~Com1() { qunsetenv("TOLVENAR_COM1"); }
    LinkOutcome download(std::vector<double> volts, int channelMode = 0)
    {
        SteadyWaiter waiter(&control.cancel);
        return RunSerialDownload(link, waiter, {std::move(volts), channelMode, "Linux"}, control);
    }
    SerialLink link;
    LinkControl control;
};

QByteArray Raw(const QJsonObject& event)
{
    return event["raw"].toString().toLatin1();
}

// The terminal calls that decide at which settings the last bytes leave: the link's own and
// QSerialPort's, which puts the old settings back on close. A pseudo-terminal has no output
// queue to watch, so the calls themselves are recorded.
using TtyCalls = std::vector<std::pair<std::string, int>>;
std::mutex gTtyMutex;
TtyCalls gTtyCalls;

template <class Function, class... Args>
int Recorded(const char* call, const char* name, int fd, Args... args)
{
    {
        const std::lock_guard lock(gTtyMutex);
        gTtyCalls.emplace_back(call, fd);
    }
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name))(fd, args...);
}

TtyCalls TakeTtyCalls()
{
    const std::lock_guard lock(gTtyMutex);
    return std::exchange(gTtyCalls, {});
}

}  // namespace

extern "C" int tcdrain(int fd)
{
    return Recorded<int (*)(int)>("drain", "tcdrain", fd);
}

extern "C" int tcflush(int fd, int queue) noexcept
{
    return Recorded<int (*)(int, int)>("flush", "tcflush", fd, queue);
}

extern "C" int tcsetattr(int fd, int actions, const termios* settings) noexcept
{
    return Recorded<int (*)(int, int, const termios*)>("settings", "tcsetattr", fd, actions, settings);
}

TEST(SerialSettings, TextsTheLinkTakesAndRefuses)
{
    const auto settings = ParseSerialSettings("19200,n,8,2");
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->baudRate, 19200);
    EXPECT_EQ(settings->parity, QSerialPort::NoParity);
    EXPECT_EQ(settings->dataBits, QSerialPort::Data8);
    EXPECT_EQ(settings->stopBits, QSerialPort::TwoStop);
    EXPECT_EQ(settings->bitsPerByte(), 11);
    const auto other = ParseSerialSettings("2400,E,7,1");
    ASSERT_TRUE(other);
    EXPECT_EQ(other->parity, QSerialPort::EvenParity);
    EXPECT_EQ(other->bitsPerByte(), 10);
    EXPECT_EQ(SerialSettingsText("19200"), "19200,n,8,2");

    for (const char* bad : {"", "9600", "9600,n,8", "9600,n,8,2,1", "abc,n,8,2", "0,n,8,2",
                            "-9600,n,8,2", "9600,x,8,2", "9600,n,9,2", "9600,n,4,2",
                            "9600,n,8,3", "9600,n,8,1.5"}) {
        QString error;
        EXPECT_FALSE(ParseSerialSettings(bad, &error)) << bad;
        EXPECT_TRUE(error.startsWith(QString("Invalid serial settings \"%1\"").arg(bad))) << bad;
    }
    SerialLink link;
    EXPECT_FALSE(link.setSettings("9600,n,8"));
    EXPECT_EQ(link.settingsText(), "9600,n,8,2");
    EXPECT_TRUE(link.setSettings("19200,n,8,2"));
    EXPECT_EQ(link.settingsText(), "19200,n,8,2");
}

TEST(SerialSettings, PortNumbersNameDevices)
{
    for (int port = 1; port <= 4; ++port)
        qunsetenv(qPrintable(QString("TOLVENAR_COM%1").arg(port)));
    for (int port = 1; port <= 4; ++port)
        EXPECT_EQ(SerialDevicePath(port), QString("/dev/ttyS%1").arg(port - 1));
    qputenv("TOLVENAR_COM2", "/dev/ttyUSB0");
    qputenv("TOLVENAR_COM4", "");
    EXPECT_EQ(SerialDevicePath(2), "/dev/ttyUSB0");
    EXPECT_EQ(SerialDevicePath(4), "/dev/ttyS3");
    for (const auto& [given, device] : {std::pair{"ttyUSB1", "/dev/ttyUSB1"},
                                        std::pair{"./ktr", "./ktr"}, std::pair{"../ktr", "../ktr"}}) {
        qputenv("TOLVENAR_COM2", given);
        EXPECT_EQ(SerialDevicePath(2), device);
    }
    qunsetenv("TOLVENAR_COM2");
    qunsetenv("TOLVENAR_COM4");
    EXPECT_EQ(SerialDevicePath(0), "");
    EXPECT_EQ(SerialDevicePath(5), "");
}

TEST(SerialLine, AMissingDeviceCannotOpen)
{
    Com1 com("/nonexistent/tolvenar-port");
    EXPECT_FALSE(com.link.open());
    EXPECT_EQ(com.link.failure(), LinkFailure::CannotOpen);
    EXPECT_EQ(com.link.handle(), -1);
    EXPECT_TRUE(com.link.errorString().startsWith("/nonexistent/tolvenar-port: "));
    SteadyWaiter waiter;
    const ProbeOutcome probe = ProbeSerial(com.link, waiter);
    EXPECT_EQ(probe.status, ProbeOutcome::Status::PortFailure);
}

TEST(SerialLine, TheOldSettingsReturnOnlyAfterTheLineIsDrainedOrFlushed)
{
    VirtualInstrumentProcess instrument;
    Com1 com(instrument.device(), "19200");
    for (const bool deliver : {true, false}) {
        ASSERT_TRUE(com.link.open());
        const int fd = com.link.handle();
        ASSERT_TRUE(com.link.write(QByteArray(200, 'x')));
        TakeTtyCalls();
        if (deliver)
            EXPECT_TRUE(com.link.close());
        else
            com.link.abort();
        EXPECT_EQ(TakeTtyCalls(), (TtyCalls{{deliver ? "drain" : "flush", fd}, {"settings", fd}}));
    }
}

TEST(SerialLine, DownloadArrivesByteForByte)
{
    VirtualInstrumentProcess instrument({"--once"});
    Com1 com(instrument.device());
    const std::vector<double> volts = Sine(1000);
    const LinkOutcome outcome = com.download(volts);
    ASSERT_TRUE(outcome.done()) << outcome.message.toStdString();
    ASSERT_TRUE(instrument.finished());

    QByteArray data;
    for (double v : volts)
        data += WireBytes(ValueCode(v));
    QByteArray received;
    QStringList commands;
    for (const QJsonObject& e : instrument.log()) {
        if (e["event"] == "command") {
            received += Raw(e);
            commands << e["command"].toString();
        } else if (e["event"] == "data") {
            received += QByteArray::fromHex(e["hex"].toString().toLatin1());
        }
    }
    EXPECT_EQ(commands, (QStringList{"A4", "F0", "G0", "V0X", "EE0", "V21000", "A4"}));
    EXPECT_EQ(received, "A4\r\nF0\r\nG0\r\nV0X\r\nEE0\r\nV21000\r\n" + data + "A4\r\n");

    ExpectReceived(instrument.csvPath(1), volts);
    EXPECT_FALSE(QFile::exists(instrument.csvPath(2)));
}

TEST(SerialLine, ProbeAndChannelOnTheLine)
{
    VirtualInstrumentProcess instrument;
    Com1 com(instrument.device());
    SteadyWaiter waiter;
    const ProbeOutcome probe = ProbeSerial(com.link, waiter);
    EXPECT_EQ(probe.status, ProbeOutcome::Status::Found);
    EXPECT_EQ(probe.reply, "KTR6610/2\r\n");
    ASSERT_TRUE(SendSerialChannel(com.link, waiter, -1).done());
    ASSERT_TRUE(com.download({1.0, -1.0}, -1).done());
    EXPECT_FALSE(com.link.isOpen());

    QByteArray received;
    for (const QJsonObject& e : instrument.events("command"))
        received += Raw(e);
    EXPECT_TRUE(received.startsWith("A0?\r\nF1\r\nA4\r\nA4\r\nF1\r\n"));
    const auto data = instrument.events("data");
    ASSERT_EQ(data.size(), 1u);
    EXPECT_EQ(data[0]["channel"].toInt(), 2);
    EXPECT_EQ(data[0]["hex"].toString(), "9909" "6606");  // 409 + 2048, -410 + 2048
    EXPECT_TRUE(QFile::exists(instrument.csvPath(2)));
}

TEST(SerialLine, ASilentInstrumentIsNotFound)
{
    VirtualInstrumentProcess instrument({"--fault", "silent"});
    Com1 com(instrument.device());
    SteadyWaiter waiter;
    const ProbeOutcome probe = ProbeSerial(com.link, waiter);
    EXPECT_EQ(probe.status, ProbeOutcome::Status::NoReply);
    EXPECT_EQ(probe.message, "No instruments found.");
    EXPECT_EQ(instrument.events("command").size(), 1u);
}

TEST(SerialLine, APortInUseCannotOpen)
{
    VirtualInstrumentProcess instrument;
    Com1 first(instrument.device());
    ASSERT_TRUE(first.link.open());
    EXPECT_GE(first.link.handle(), 0);
    SerialLink second;
    second.setPortNumber(1);
    SteadyWaiter waiter;
    EXPECT_EQ(ProbeSerial(second, waiter).status, ProbeOutcome::Status::PortFailure);
    EXPECT_TRUE(first.link.close());
}

TEST(SerialLine, AnInstrumentThatVanishesFailsTheDownload)
{
    // At 19200 baud the data takes over a second; the line goes after 100 bytes (57 ms).
    VirtualInstrumentProcess instrument({"--baud", "19200", "--fault", "disconnect=100"});
    Com1 com(instrument.device(), "19200");
    const LinkOutcome outcome = com.download(Sine(1000));
    EXPECT_EQ(outcome.status, LinkOutcome::Status::Failed);
    EXPECT_EQ(outcome.failure, LinkFailure::Vanished) << outcome.message.toStdString();
    EXPECT_TRUE(outcome.message.contains("The instrument did not receive the whole waveform"));
    EXPECT_LT(com.control.sent.load(), 1000);
    EXPECT_FALSE(com.link.isOpen());
    EXPECT_TRUE(instrument.events("data").empty());
}

TEST(SerialLine, AStalledInstrumentTimesOut)
{
    VirtualInstrumentProcess instrument({"--fault", "stall"});
    Com1 com(instrument.device());
    const LinkOutcome outcome = com.download(Sine(1000));
    EXPECT_EQ(outcome.status, LinkOutcome::Status::Failed);
    EXPECT_EQ(outcome.failure, LinkFailure::Timeout) << outcome.message.toStdString();
    EXPECT_TRUE(outcome.message.contains("took no data for 2000 ms"));
    EXPECT_FALSE(com.link.isOpen());
}

TEST(SerialLine, ADownloadOnAWorkerThreadStopsOnCancel)
{
    VirtualInstrumentProcess instrument({"--baud", "19200"});
    Com1 com(instrument.device(), "19200");
    LinkOutcome outcome;
    std::unique_ptr<QThread> worker(
        QThread::create([&] { outcome = com.download(Sine(16383)); }));
    worker->start();
    while (com.control.sent.load() < 200 && !worker->isFinished())
        QThread::msleep(5);
    com.control.cancel = true;
    ASSERT_TRUE(worker->wait(5000));
    EXPECT_EQ(outcome.status, LinkOutcome::Status::Cancelled);
    EXPECT_GE(com.control.sent.load(), 200);
    EXPECT_LT(com.control.sent.load(), 16383);
    EXPECT_TRUE(instrument.events("data").empty());
}

TEST(VirtualInstrument, PublishesItsDeviceAndLogsWhatItDoesNotKnow)
{
    QTemporaryDir dir;
    const QString linkPath = dir.filePath("ktr");
    VirtualInstrumentProcess instrument({"--link", linkPath});
    EXPECT_EQ(QFileInfo(linkPath).symLinkTarget(), instrument.device());
    Com1 com(linkPath);
    ASSERT_TRUE(com.link.open());
    ASSERT_TRUE(com.link.write("*IDN?\r\n"));
    EXPECT_EQ(com.link.read(std::chrono::milliseconds(2000)), "KTR6610/2\r\n");
    ASSERT_TRUE(com.link.write("XYZ\r\nV216385\r\nV299999999999999999999\r\nK0\n"));
    EXPECT_TRUE(com.link.close());

    const auto commands = instrument.awaitEvents("command", 5);
    ASSERT_EQ(commands.size(), 5u);
    EXPECT_FALSE(commands[0].contains("known"));
    EXPECT_EQ(commands[1]["command"].toString(), "XYZ");
    EXPECT_FALSE(commands[1]["known"].toBool(true));
    EXPECT_EQ(commands[2]["error"].toString(), "more than 16384 values");
    EXPECT_EQ(commands[3]["error"].toString(), "more than 16384 values");
    EXPECT_EQ(commands[4]["raw"].toString(), "K0\n");
    EXPECT_TRUE(instrument.events("data").empty());
    instrument.stop();
    EXPECT_FALSE(QFileInfo(linkPath).isSymLink());
}
