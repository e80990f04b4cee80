// The serial line and the GPIB-USB adapter on it, recorded wait by wait and on a pseudo-terminal.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <mutex>
#include <termios.h>

#include "VirtualInstrumentProcess.h"
#include "Waveforms.h"
#include "instrument/AdapterSequences.h"
#include "instrument/RecordingLink.h"
#include "instrument/SerialLink.h"
#include "instrument/SerialSequences.h"
#include "instrument/WireFormat.h"

using namespace tlv;
using namespace tlv::test;

namespace {

// The events as text: "open", "wait 20", "write A4\r\n", "data 2" (a data word), "close".
QStringList Transcript(const RecordingLink& link)
{
    QStringList out;
    for (const LinkEvent& e : link.events()) {
        switch (e.kind) {
        case LinkEvent::Kind::Open: out << "open"; break;
        case LinkEvent::Kind::Close: out << "close"; break;
        case LinkEvent::Kind::Abort: out << "abort"; break;
        case LinkEvent::Kind::Read: out << "read " + QString::fromLatin1(e.bytes); break;
        case LinkEvent::Kind::Wait: out << QString("wait %1").arg(e.wait.count() / 1000); break;
        // Commands are longer than a data word.
        case LinkEvent::Kind::Write:
            out << (e.bytes.size() == 2 ? "data 2" : "write " + QString::fromLatin1(e.bytes));
        }
    }
    return out;
}

struct Recorded {
    LinkOutcome run(std::vector<double> volts, int channelMode = 0, const QString& system = "Linux")
    {
        return RunSerialDownload(link, waiter, {std::move(volts), channelMode, system}, control);
    }
    RecordingLink link;
    LinkControl control;
    RecordingWaiter waiter{link, &control.cancel};
};

// The virtual instrument with COM1 pointed at its device, as a user without hardware does it.
struct Served {
    explicit Served(const QStringList& options = {}, const QString& baud = "115200")
        : vi(options), com1("TOLVENAR_COM1", vi.device())
    {
        link.setPortNumber(1);
        link.setSettings(SerialSettingsText(baud));
    }
    LinkOutcome download(std::vector<double> volts)
    {
        SteadyWaiter waiter(&control.cancel);
        return RunSerialDownload(link, waiter, {std::move(volts), 0, "Linux"}, control);
    }
    VirtualInstrumentProcess vi;
    EnvSetting com1;
    SerialLink link;
    LinkControl control;
};

// The instrument playing the adapter, at GPIB address 9; the link names the device itself.
struct ThroughAdapter : Served {
    explicit ThroughAdapter(QStringList options = {}, const QString& device = {})
        : Served(options << "--adapter" << "--address" << "9"),
          target{device.isEmpty() ? vi.device() : device, 9}
    {
        link.setDevice(target.device);
    }
    LinkOutcome download(const DownloadRequest& request)
    {
        SteadyWaiter waiter(&control.cancel);
        return RunAdapterDownload(link, waiter, target, request, control);
    }
    AdapterTarget target;
};

// The terminal calls that decide at which settings the last bytes leave: the link's own and
// QSerialPort's, which puts the old settings back on close. A pseudo-terminal has no output
// queue to watch, so the calls themselves are recorded.
using TtyCalls = std::vector<std::pair<std::string, int>>;
std::mutex gTtyMutex;
TtyCalls gTtyCalls;

template <class Function, class... Args>
int RecordedCall(const char* call, const char* name, int fd, Args... args)
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
    return RecordedCall<int (*)(int)>("drain", "tcdrain", fd);
}

extern "C" int tcflush(int fd, int queue) noexcept
{
    return RecordedCall<int (*)(int, int)>("flush", "tcflush", fd, queue);
}

extern "C" int tcsetattr(int fd, int actions, const termios* settings) noexcept
{
    return RecordedCall<int (*)(int, int, const termios*)>("settings", "tcsetattr", fd, actions, settings);
}

// Codes round down and clip at both ends of the scale.
TEST(DownloadValues, CodesOfTheVoltageScale)
{
    const std::pair<double, int> cases[] = {
        {-5.0, -2048}, {-2.5, -1024}, {0.0, 0},     {1.0, 409},    {2.5, 1024},   {4.99, 2044},
        {5.0, 2047},   {-1.0, -410},  {-6.0, -2048}, {-5.01, -2048}, {5.01, 2047}, {100.0, 2047},
    };
    for (const auto& [volts, code] : cases)
        EXPECT_EQ(ValueCode(volts), code) << volts << " V";
}

// Which values go and in what order is NiDownload.BlocksOf4096's.
TEST(DownloadValues, AtMost16383ValuesAreSent)
{
    for (int points : {16383, 16384})
        EXPECT_EQ(PrepareValues(std::vector<double>(points)).size(), 16383u) << points;
    EXPECT_EQ(LengthCommand(16383), "V216383");
}

TEST(SerialSettings, TextsTheLinkTakesAndRefuses)
{
    const auto settings = ParseSerialSettings("19200,n,8,2");
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->baudRate, 19200);
    EXPECT_EQ(settings->stopBits, QSerialPort::TwoStop);
    EXPECT_EQ(settings->bitsPerByte(), 11);
    const auto other = ParseSerialSettings("2400,E,7,1");
    ASSERT_TRUE(other);
    EXPECT_EQ(other->parity, QSerialPort::EvenParity);
    EXPECT_EQ(other->bitsPerByte(), 10);
    for (const char* bad : {"9600,n,8", "9600,n,8,2,1", "0,n,8,2", "-9600,n,8,2", "9600,x,8,2",
                            "9600,n,9,2", "9600,n,4,2", "9600,n,8,3", "9600,n,8,1.5"}) {
        QString error;
        EXPECT_FALSE(ParseSerialSettings(bad, &error)) << bad;
        EXPECT_TRUE(error.startsWith(QString("Invalid serial settings \"%1\"").arg(bad))) << bad;
    }
    SerialLink link;
    EXPECT_FALSE(link.setSettings("9600,n,8"));
    EXPECT_EQ(link.settingsText(), "9600,n,8,2");
}

// A bare name, the unset port and the ports one by one are the dialog test's.
TEST(SerialSettings, ASetDeviceNamesThePort)
{
    for (const char* given : {"/dev/ttyUSB0", "./ktr", "../ktr"}) {
        EnvSetting com2("TOLVENAR_COM2", given);
        EXPECT_EQ(SerialDevicePath(2), given);
    }
    EXPECT_EQ(SerialDevicePath(0), "");
    EXPECT_EQ(SerialDevicePath(5), "");
}

// The port closes behind the data and opens again for the closing "A4", except on Windows NT.
TEST(SerialDownload, CommandsWaitsAndDataInOrder)
{
    Recorded d;
    ASSERT_TRUE(d.run(Ramp(3)).done());
    QStringList expected{"open", "wait 20"};
    for (const char* command : {"A4", "F0", "G0", "V0X", "EE0", "V23"})
        expected << "wait 20" << "wait 20" << QString("write %1\r\n").arg(command);
    expected << "wait 20" << "wait 20" << "data 2" << "data 2" << "data 2" << "wait 20" << "wait 20" << "close";
    expected << "wait 20" << "open" << "wait 200" << "wait 200" << "write A4\r\n" << "close";
    EXPECT_EQ(Transcript(d.link), expected);
    EXPECT_EQ(d.control.total.load(), 3);

    Recorded nt;
    ASSERT_TRUE(nt.run({0.0}, -1, "Windows NT").done());
    EXPECT_EQ(nt.link.written(), QByteArray("A4\r\nF1\r\nG0\r\nV0X\r\nEE0\r\nV21\r\n\x00\x08", 29));
    EXPECT_EQ(Transcript(nt.link).mid(Transcript(nt.link).size() - 4),
              (QStringList{"data 2", "wait 20", "wait 20", "close"}));
}

TEST(SerialDownload, CancelStopsSendingAndAbortsThePort)
{
    Recorded d;
    // Writes 1..6 are the commands; the cancel comes with the 100th value.
    d.link.atWrite(6 + 100, [&] { d.control.cancel = true; });
    const LinkOutcome outcome = d.run(Ramp(1000));
    EXPECT_EQ(outcome.status, LinkOutcome::Status::Cancelled);
    EXPECT_EQ(Transcript(d.link).count("data 2"), 100);
    EXPECT_EQ(Transcript(d.link).last(), "abort");
    EXPECT_EQ(outcome.message, "The download was cancelled after 100 of 1000 values. The "
                               "instrument did not receive the whole waveform.");

    Recorded early;
    early.control.cancel = true;
    EXPECT_EQ(early.run(Ramp(10)).status, LinkOutcome::Status::Cancelled);
    EXPECT_EQ(Transcript(early.link), (QStringList{"open", "wait 20", "abort"}));
}

TEST(SerialDownload, AFailedWriteOrOpenEndsWithItsReason)
{
    for (LinkFailure failure : {LinkFailure::Vanished, LinkFailure::WriteFailed, LinkFailure::Timeout}) {
        Recorded d;
        d.link.failWrite(6 + 501, failure);
        const LinkOutcome outcome = d.run(Ramp(1000));
        EXPECT_EQ(outcome.failure, failure);
        EXPECT_EQ(outcome.message, "The download stopped after 500 of 1000 values: recorded write "
                                   "failure. The instrument did not receive the whole waveform.");
        EXPECT_EQ(Transcript(d.link).last(), "abort");
    }
    Recorded command;
    command.link.failWrite(3, LinkFailure::Vanished);
    EXPECT_EQ(command.run(Ramp(10)).status, LinkOutcome::Status::Failed);
    EXPECT_EQ(command.link.written(), "A4\r\nF0\r\n");

    Recorded open;
    open.link.failOpen(1);
    EXPECT_EQ(open.run(Ramp(10)).failure, LinkFailure::CannotOpen);
    EXPECT_TRUE(open.link.written().isEmpty());

    Recorded reopen;
    reopen.link.failOpen(2);
    const LinkOutcome outcome = reopen.run(Ramp(10));
    EXPECT_EQ(outcome.status, LinkOutcome::Status::Failed);
    EXPECT_TRUE(outcome.message.startsWith("The waveform was sent, but the download could not finish"));
    EXPECT_FALSE(reopen.link.written().endsWith("A4\r\n"));
}

TEST(SerialProbeAndChannel, TheirConversationsAndFailuresAreTold)
{
    Recorded probe;
    probe.link.replyTo("A0?\r\n", "KTR6610/2\r\n");
    EXPECT_EQ(ProbeSerial(probe.link, probe.waiter).status, ProbeOutcome::Status::Found);
    EXPECT_EQ(Transcript(probe.link),
              (QStringList{"open", "write A0?\r\n", "wait 200", "wait 200", "read KTR6610/2\r\n", "close"}));
    Recorded lostProbe;
    lostProbe.link.failWrite(1, LinkFailure::Vanished);
    const ProbeOutcome lost = ProbeSerial(lostProbe.link, lostProbe.waiter);
    EXPECT_EQ(lost.status, ProbeOutcome::Status::PortFailure);
    EXPECT_EQ(lost.message, "The instrument could not be asked: recorded write failure");

    for (int mode : {0, -1}) {
        Recorded channel;
        ASSERT_TRUE(SendSerialChannel(channel.link, channel.waiter, mode).done());
        EXPECT_EQ(Transcript(channel.link), (QStringList{"open", mode ? "write F1\r\n" : "write F0\r\n",
                                                         "wait 20", "write A4\r\n", "wait 20", "close"}));
    }
    Recorded lostChannel;
    lostChannel.link.failWrite(2, LinkFailure::WriteFailed);
    const LinkOutcome refused = SendSerialChannel(lostChannel.link, lostChannel.waiter, -1);
    EXPECT_EQ(refused.failure, LinkFailure::WriteFailed);
    EXPECT_EQ(refused.message, "The channel could not be set: recorded write failure");
    EXPECT_EQ(lostChannel.link.written(), "F1\r\n");
}

TEST(SerialLine, TheOldSettingsReturnOnlyAfterTheLineIsDrainedOrFlushed)
{
    Served line({}, "19200");
    for (const bool deliver : {true, false}) {
        ASSERT_TRUE(line.link.open());
        const int fd = line.link.handle();
        ASSERT_TRUE(line.link.write(QByteArray(200, 'x')));
        TakeTtyCalls();
        if (deliver)
            EXPECT_TRUE(line.link.close());
        else
            line.link.abort();
        EXPECT_EQ(TakeTtyCalls(), (TtyCalls{{deliver ? "drain" : "flush", fd}, {"settings", fd}}));
    }
}

// A line that goes away is the dialog test's.
TEST(SerialLine, AnInstrumentThatStallsFailsTheDownload)
{
    Served stalling({"--fault", "stall"});
    const LinkOutcome timeout = stalling.download(Ramp(1000));
    EXPECT_EQ(timeout.failure, LinkFailure::Timeout) << timeout.message.toStdString();
    EXPECT_TRUE(timeout.message.contains("took no data for 2000 ms"));
    EXPECT_FALSE(stalling.link.isOpen());
}

TEST(AdapterEscape, EveryByteThatWouldEndALineOrBeginACommandAndNoOther)
{
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        const bool escaped = c == '\r' || c == '\n' || c == 0x1B || c == '+';
        EXPECT_EQ(AdapterEscape(QByteArray(1, c)), escaped ? QByteArray("\x1B") + c : QByteArray(1, c)) << b;
    }
    EXPECT_EQ(AdapterLine("A0?\n"), QByteArray("A0?\x1B\n\n"));
}

TEST(Adapter, SetsUpIdentifiesAndDeliversEveryCodeOnTheChosenChannel)
{
    ThroughAdapter a;
    ASSERT_EQ(IdentifyThroughAdapter(a.link, a.target), "");
    EXPECT_EQ(a.vi.awaitFields("adapter", "command", 8),
              QStringList({"++mode 1", "++addr 9", "++auto 0", "++eoi 1", "++eos 3", "++read_tmo_ms 1000", "++ver",
                           "++read eoi"}));

    ASSERT_TRUE(SendAdapterChannel(a.link, a.target, 1).done());
    // 4097 values of a ramp hold every code, so every byte value that needs escaping.
    const std::vector<double> ramp = Ramp(4097);
    ASSERT_TRUE(a.download({ramp, 1, "Linux"}).done());
    EXPECT_EQ(a.vi.awaitFields("command", "raw", 9),
              QStringList({"A0?\n", "F1\n", "A4\n", "F1\n", "G0\n", "T0\n", "EE0\n", "V24097\n", "A4\n"}));
    ExpectReceived(a.vi.csvPath(2), ramp);
}

TEST(Adapter, FailuresNameWhatDidNotAnswer)
{
    ThroughAdapter silent({"--fault", "silent"});
    EXPECT_EQ(IdentifyThroughAdapter(silent.link, silent.target),
              "No GPIB-USB adapter answers on " + silent.target.device + " (\"++ver\" had no reply).");
    ThroughAdapter nobody({"--fault", "no-listener"});
    EXPECT_EQ(IdentifyThroughAdapter(nobody.link, nobody.target),
              "No instrument answers at GPIB address 9 of the GPIB-USB adapter on " + nobody.target.device + ".");
    ThroughAdapter missing({}, "/nonexistent/adapter");
    EXPECT_TRUE(IdentifyThroughAdapter(missing.link, missing.target)
                    .startsWith("Cannot reach the GPIB-USB adapter: /nonexistent/adapter"));
    EXPECT_FALSE(missing.download({{1.0}, 0, "Linux"}).done());
}
