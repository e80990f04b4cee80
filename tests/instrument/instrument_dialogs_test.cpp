// The Setting Interface and Channel Setting dialogs and Send Waveform, through their forms and
// the instrument, on pseudo-terminals served by the virtual instrument.
#include <gtest/gtest.h>

#include "VirtualInstrumentProcess.h"
#include "instrument/ChannelForm.h"
#include "instrument/DownloadProgress.h"
#include "instrument/Instrument.h"
#include "instrument/InterfaceForm.h"
#include "instrument/SerialSettings.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"

namespace tlv {
namespace {

const QString kMissingDevice = "/nonexistent/tty";

// Points COMn at a device while it lives.
class PortDevice {
public:
    PortDevice(int port, const QString& device) : name_(QString("TOLVENAR_COM%1").arg(port).toLatin1())
    {
        qputenv(name_.constData(), device.toLocal8Bit());
    }
    ~PortDevice() { qunsetenv(name_.constData()); }

private:
    QByteArray name_;
};

// An IEEE-488 card that answers as the test says and records what it was asked.
class FakeCard : public InterfacePath {
public:
    bool answers = true;
    QStringList calls;

    bool Identify(Workspace&) override { return record("identify", answers); }
    void Close(Workspace&) override { calls << "close"; }
    bool SendChannel(Workspace&, bool channel2) override
    {
        return record(channel2 ? "F1" : "F0", answers);
    }
    std::optional<DownloadWork> PrepareDownload(Workspace&) override
    {
        calls << "download";
        return [](const DownloadRequest& request, LinkControl& control) {
            control.sent = static_cast<int>(request.volts.size());
            return LinkOutcome{};
        };
    }
    void DownloadEnded(Workspace&, const LinkOutcome&) override { calls << "ended"; }

private:
    bool record(const QString& call, bool result)
    {
        calls << call;
        return result;
    }
};

std::vector<double> Ramp(int points)
{
    std::vector<double> volts(static_cast<size_t>(points));
    for (int i = 0; i < points; ++i)
        volts[static_cast<size_t>(i)] = -5.0 + 10.0 * i / (points - 1);
    return volts;
}

class InstrumentDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        ws.prompter = &prompter;
        ASSERT_NE(ws.New(), nullptr);
    }

    QStringList prompts() const { return test::Prompts(prompter.shown); }
    // The serial line as the interface dialog leaves it.
    void configure(const QString& baud = "19200", int port = 1)
    {
        ws.link.InterfaceType = Instrument::Serial;
        ws.link.ComBaudText = baud;
        ws.link.ComPortNo = port;
    }
    // Plugs fake cards in for the NI and Agilent options.
    std::pair<FakeCard*, FakeCard*> plugCards()
    {
        auto ni = std::make_unique<FakeCard>();
        auto agilent = std::make_unique<FakeCard>();
        std::pair<FakeCard*, FakeCard*> cards{ni.get(), agilent.get()};
        instrument.setPath(Instrument::NiCard, std::move(ni));
        instrument.setPath(Instrument::AgilentCard, std::move(agilent));
        return cards;
    }

    ScriptedPrompter prompter;
    Workspace ws;
    Instrument instrument{ws};
};

QStringList Commands(const VirtualInstrumentProcess& vi)
{
    QStringList raw;
    for (const QJsonObject& e : vi.events("command"))
        raw << e["raw"].toString();
    return raw;
}

// ---- Setting Interface ------------------------------------------------------------------------

TEST_F(InstrumentDialogs, SerialOkProbesTheChosenPortAtTheChosenRate)
{
    VirtualInstrumentProcess vi;
    PortDevice com2(2, vi.device());
    InterfaceForm form(ws, instrument);
    ASSERT_TRUE(form.pick("cboSerialPort", "COM2"));
    EXPECT_EQ(form.control("lblDevicePath")->text, vi.device());
    ASSERT_TRUE(form.pick("cboRate", "19200 BPS"));
    ws.link.InterfaceType = Instrument::AgilentCard;  // what was current before
    form.click("cmdOk");

    EXPECT_TRUE(form.isClosed());
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join("\n").toStdString();
    EXPECT_EQ(ws.link.InterfaceType, Instrument::Serial);
    EXPECT_EQ(ws.link.ComPortNo, 2);
    EXPECT_EQ(ws.link.ComBaudText, "19200");
    const auto commands = vi.awaitEvents("command", 1);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0]["raw"].toString(), "A0?\r\n");
    EXPECT_EQ(commands[0]["line"].toString(), "19200,n,8,2");
}

TEST_F(InstrumentDialogs, FailedProbesTellWhyAndLeaveThePreviousInterface)
{
    ws.link.InterfaceType = Instrument::AgilentCard;
    {
        VirtualInstrumentProcess silent({"--fault", "silent"});
        PortDevice com1(1, silent.device());
        InterfaceForm form(ws, instrument);
        form.click("opRS");
        form.click("cmdOk");
        EXPECT_FALSE(form.isClosed());
        EXPECT_EQ(Commands(silent), QStringList{"A0?\r\n"});
    }
    {
        PortDevice com1(1, kMissingDevice);
        InterfaceForm form(ws, instrument);
        form.click("opRS");
        form.click("cmdOk");
        EXPECT_FALSE(form.isClosed());
    }
    EXPECT_EQ(prompts(),
              QStringList({"message TLV | No instruments found. | OK | exclamation",
                           "message TLV | Port is not Supported or is being used by another device"
                           " | OK | none"}));
    EXPECT_EQ(ws.link.InterfaceType, Instrument::AgilentCard);
    EXPECT_EQ(ws.link.ComBaudText, "9600");  // taken before the probe, as the dialog always has
}

TEST_F(InstrumentDialogs, EveryRateGivesItsDigitsAndUnusableRatesAreRefused)
{
    PortDevice com1(1, kMissingDevice);
    InterfaceForm form(ws, instrument);
    for (const QString& item : form.control("cboRate")->items) {
        form.pick("cboRate", item);
        form.click("cmdOk");
        EXPECT_EQ(ws.link.ComBaudText, item.section(' ', 0, 0));
    }
    EXPECT_EQ(form.control("cboRate")->items,
              QStringList({"2400 BPS", "4800 BPS", "9600 BPS", "19200 BPS"}));
    prompter.shown.clear();

    // A port that is no COM1..COM4 leaves the port; a rate the line cannot take is refused.
    form.type("cboSerialPort", "COM7");
    EXPECT_EQ(form.control("lblDevicePath")->text, "(no such port)");
    form.type("cboRate", "fast BPS");
    form.click("cmdOk");
    EXPECT_FALSE(form.isClosed());
    EXPECT_EQ(ws.link.ComBaudText, "19200");
    EXPECT_EQ(ws.link.ComPortNo, 1);
    ASSERT_EQ(prompts().size(), 1);
    EXPECT_TRUE(prompts()[0].startsWith("message TLV | Invalid serial settings \"fast,n,8,2\""));

    // No rate at all closes the dialog with its message, changing nothing.
    form.type("cboRate", "");
    form.click("cmdOk");
    EXPECT_TRUE(form.isClosed());
    EXPECT_EQ(prompts().last(), "message TLV | Setting baud rate | OK | none");
    EXPECT_EQ(ws.link.ComBaudText, "19200");
}

TEST_F(InstrumentDialogs, OpeningShowsTheSettingsAndEachPortsDevice)
{
    ws.link.ComPortNo = 3;
    ws.link.ComBaudText = "4800";
    PortDevice com3(3, "/dev/ttyUSB7");
    InterfaceForm serial(ws, instrument);
    EXPECT_EQ(serial.control("cboSerialPort")->text, "COM3");
    EXPECT_EQ(serial.control("cboRate")->text, "4800 BPS");
    EXPECT_TRUE(serial.control("opRS")->selected);
    const QStringList devices = {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB7", "/dev/ttyS3"};
    for (int port = 1; port <= 4; ++port) {
        serial.pick("cboSerialPort", QString("COM%1").arg(port));
        EXPECT_EQ(serial.control("lblDevicePath")->text, devices[port - 1]);
    }

    // A card keeps the rate list at its first text; no port chosen keeps COM1.
    ws.link.InterfaceType = Instrument::AgilentCard;
    ws.link.ComPortNo = 0;
    InterfaceForm card(ws, instrument);
    EXPECT_TRUE(card.control("opGpibHp")->selected);
    EXPECT_EQ(card.control("cboRate")->text, "9600 BPS");
    EXPECT_EQ(card.control("cboSerialPort")->text, "COM1");
}

TEST_F(InstrumentDialogs, TheSerialPartGreysWhileACardIsChosen)
{
    const char* const textLabels[] = {"Label1", "Label2", "Label3", "Label6", "Label8"};
    const char* const valueLabels[] = {"Label5", "Label7", "Label9"};
    const auto expectGrey = [&](const InterfaceForm& form, bool grey) {
        for (const char* name : {"cboSerialPort", "cboRate", "Frame2"})
            EXPECT_EQ(form.control(name)->enabled, !grey) << name;
        for (const char* name : textLabels)
            EXPECT_EQ(form.control(name)->foreground, grey ? QColor(0x808080) : QColor(Qt::black))
                << name;
        for (const char* name : valueLabels) {
            EXPECT_EQ(form.control(name)->foreground, grey ? QColor(0x808080) : QColor(Qt::black));
            EXPECT_EQ(form.control(name)->background, grey ? QColor(0xE0E0E0) : QColor(0xFFFFC0))
                << name;
        }
    };
    ws.link.InterfaceType = Instrument::NiCard;
    InterfaceForm form(ws, instrument);
    EXPECT_TRUE(form.control("opGPIB")->selected);
    expectGrey(form, true);
    form.click("opRS");
    expectGrey(form, false);
    form.click("opGpibHp");
    expectGrey(form, true);
    form.click("opRS");
    form.click("opGPIB");
    expectGrey(form, true);
    EXPECT_FALSE(form.pick("cboRate", "2400 BPS"));

    EXPECT_EQ(form.control("Label5")->text, "8");
    EXPECT_EQ(form.control("Label7")->text, "2");
    EXPECT_EQ(form.control("Label9")->text, "None");
}

TEST_F(InstrumentDialogs, OkStoresTheBufferAndBothButtonsLetThePlotDraw)
{
    PortDevice com1(1, kMissingDevice);
    WritePoints(ws.edit, 0, Ramp(100));  // edited but not yet stored
    ws.edit.DrawSuspended = true;
    InterfaceForm form(ws, instrument);
    form.click("cmdOk");
    EXPECT_FALSE(ws.edit.DrawSuspended);
    EXPECT_EQ(CountStore(ws.activeSlot()->store), 100);
    EXPECT_DOUBLE_EQ(ws.activeSlot()->store[99], 5.0);

    ws.edit.DrawSuspended = true;
    const LinkState before = ws.link;
    form.click("cmdCancel");
    EXPECT_TRUE(form.isClosed());
    EXPECT_FALSE(ws.edit.DrawSuspended);
    EXPECT_EQ(ws.link.ComBaudText, before.ComBaudText);
    EXPECT_EQ(ws.link.InterfaceType, before.InterfaceType);
}

TEST_F(InstrumentDialogs, CardsBecomeCurrentAndCloseTheCardReadyBefore)
{
    {
        InterfaceForm form(ws, instrument);
        form.click("opGPIB");
        form.click("cmdOk");
        form.click("opGpibHp");
        form.click("cmdOk");
        EXPECT_FALSE(form.isClosed());
    }
    EXPECT_EQ(prompts(),
              QStringList({"message TLV | The National Instrument IEEE-488 Card is not available. | "
                           "OK | exclamation",
                           "message TLV | The Agilent IEEE-488 Card is not available. | OK | "
                           "exclamation"}));

    auto [ni, agilent] = plugCards();
    const auto confirm = [&](const char* option) {
        InterfaceForm form(ws, instrument);
        form.click(option);
        form.click("cmdOk");
        return form.isClosed();
    };
    EXPECT_TRUE(confirm("opGPIB"));
    EXPECT_EQ(ws.link.InterfaceType, Instrument::NiCard);
    EXPECT_TRUE(ws.link.GpibReady);
    EXPECT_TRUE(confirm("opGpibHp"));
    EXPECT_EQ(ws.link.InterfaceType, Instrument::AgilentCard);
    EXPECT_TRUE(ws.link.SiclReady);
    EXPECT_FALSE(ws.link.GpibReady);
    EXPECT_EQ(ni->calls, QStringList({"identify", "close"}));

    // A card that finds nothing is not ready and leaves the current interface.
    ni->answers = false;
    EXPECT_FALSE(confirm("opGPIB"));
    EXPECT_FALSE(ws.link.GpibReady);
    EXPECT_TRUE(ws.link.SiclReady);
    EXPECT_EQ(ws.link.InterfaceType, Instrument::AgilentCard);

    // The serial line found takes the ready card offline.
    VirtualInstrumentProcess vi;
    PortDevice com1(1, vi.device());
    EXPECT_TRUE(confirm("opRS"));
    EXPECT_EQ(ws.link.InterfaceType, Instrument::Serial);
    EXPECT_FALSE(ws.link.SiclReady);
    EXPECT_EQ(agilent->calls, QStringList({"identify", "close"}));

    // At exit a ready card goes offline.
    ni->answers = true;
    EXPECT_TRUE(confirm("opGPIB"));
    instrument.closeInstrumentLink();
    EXPECT_FALSE(ws.link.GpibReady);
    EXPECT_EQ(ni->calls.last(), "close");
}

// ---- Channel Setting ----------------------------------------------------------------------------

TEST_F(InstrumentDialogs, ChannelGoesOutAtOnceAndIsRemembered)
{
    VirtualInstrumentProcess vi;
    PortDevice com1(1, vi.device());
    configure();
    {
        ChannelForm form(ws, instrument);
        EXPECT_TRUE(form.control("OptCh1")->selected);
        form.click("OptCh2");
        form.click("OKButton");
        EXPECT_TRUE(form.isClosed());
    }
    EXPECT_TRUE(ws.link.ChannelMode);
    EXPECT_EQ(vi.awaitEvents("command", 2).size(), 2u);
    EXPECT_EQ(Commands(vi), QStringList({"F1\r\n", "A4\r\n"}));

    ws.link.ChannelMode = false;  // the dialog takes the remembered choice again
    {
        ChannelForm form(ws, instrument);
        EXPECT_TRUE(ws.link.ChannelMode);
        EXPECT_TRUE(form.control("OptCh2")->selected);
        EXPECT_FALSE(form.control("OptCh1")->selected);
        form.click("OptCh1");
        form.click("OKButton");
    }
    EXPECT_FALSE(ws.link.ChannelMode);
    EXPECT_FALSE(ws.link.ChannelRemembered);
    EXPECT_EQ(vi.awaitEvents("command", 4).size(), 4u);
    EXPECT_EQ(Commands(vi).mid(2), QStringList({"F0\r\n", "A4\r\n"}));
    EXPECT_TRUE(prompts().isEmpty());
}

TEST_F(InstrumentDialogs, ChannelRefusedKeepsTheDialogAndTheChoice)
{
    const auto tryChannel2 = [&] {
        ChannelForm form(ws, instrument);
        form.click("OptCh2");
        form.click("OKButton");
        EXPECT_FALSE(form.isClosed());
        form.click("CancelButton");
        EXPECT_TRUE(form.isClosed());
    };
    configure("");
    tryChannel2();
    configure("9600", 0);
    tryChannel2();
    PortDevice com1(1, kMissingDevice);
    configure();
    tryChannel2();
    ws.link.InterfaceType = Instrument::NiCard;
    tryChannel2();
    ws.link.InterfaceType = Instrument::AgilentCard;
    tryChannel2();
    auto [ni, agilent] = plugCards();
    ws.link.SiclReady = true;
    agilent->answers = false;
    tryChannel2();

    const QStringList shown = prompts();
    ASSERT_EQ(shown.size(), 5);
    EXPECT_EQ(shown[0], "message TLV | Setting Serial Port or Baud Rate  | OK | none");
    EXPECT_EQ(shown[1], shown[0]);
    EXPECT_TRUE(shown[2].startsWith("message TLV | " + kMissingDevice));
    EXPECT_TRUE(shown[2].endsWith("\nPort is being used by another device | OK | none"));
    EXPECT_EQ(shown[3], "message TLV | Not GPIB Setting | OK | none");
    EXPECT_EQ(shown[4], shown[3]);
    EXPECT_EQ(agilent->calls, QStringList{"F1"});
    EXPECT_FALSE(ws.link.ChannelMode);
    EXPECT_FALSE(ws.link.ChannelRemembered);

    // A ready card takes the channel.
    agilent->answers = true;
    ChannelForm form(ws, instrument);
    form.click("OptCh2");
    form.click("OKButton");
    EXPECT_TRUE(form.isClosed());
    EXPECT_TRUE(ws.link.ChannelMode);
}

// ---- Send Waveform ------------------------------------------------------------------------------

TEST_F(InstrumentDialogs, DownloadTakesThePointsUpToTheLastDefinedOne)
{
    test::FillWaveform(ws, Ramp(1000));
    ws.link.ChannelMode = true;
    ws.OsVersionText[2] = "Windows NT";
    DownloadRequest request = MakeDownloadRequest(ws);
    const std::vector<double> ramp = Ramp(1000);
    ASSERT_EQ(request.volts.size(), ramp.size());
    for (size_t i = 0; i < ramp.size(); ++i)
        EXPECT_NEAR(request.volts[i], ramp[i], 5e-6);  // as the volts texts hold them
    EXPECT_EQ(request.channelMode, 1);
    EXPECT_EQ(request.systemName, "Windows NT");

    test::FillWaveform(ws, Ramp(kMaxPoints));
    request = MakeDownloadRequest(ws);
    ASSERT_EQ(request.volts.size(), static_cast<size_t>(kMaxPoints));
    EXPECT_DOUBLE_EQ(request.volts.back(), 5.0);
    EXPECT_EQ(DownloadProgress(nullptr, request).progressText(), "0 values sent of 16383");
}

TEST_F(InstrumentDialogs, UnreadyInterfacesSendNothing)
{
    VirtualInstrumentProcess vi;
    PortDevice com1(1, vi.device());
    test::FillWaveform(ws, Ramp(1000));
    configure("");
    instrument.SendWaveform();
    configure("19200", 0);
    instrument.SendWaveform();
    ws.link.InterfaceType = Instrument::NiCard;
    instrument.SendWaveform();
    ws.link.InterfaceType = Instrument::AgilentCard;
    instrument.SendWaveform();
    EXPECT_EQ(prompts(), QStringList({"message TLV | Setting Serial Port or Baud Rate  | OK | none",
                                      "message TLV | Setting Serial Port or Baud Rate  | OK | none",
                                      "message TLV | Select an Interface Type | OK | none",
                                      "message TLV | Select an Interface Type | OK | none"}));
    EXPECT_TRUE(vi.events("command").empty());

    // A ready card runs its download under the progress window.
    auto [ni, agilent] = plugCards();
    ws.link.SiclReady = true;
    prompter.shown.clear();
    instrument.SendWaveform();
    EXPECT_EQ(prompts(), QStringList({"download shown", "download closed"}));
    EXPECT_EQ(agilent->calls, QStringList({"download", "ended"}));
}

// Each way a line can fail ends the download with a message naming it, never a hang.
TEST_F(InstrumentDialogs, EveryFaultEndsWithItsMessage)
{
    struct Case {
        QStringList options;
        QString says;
    };
    const Case cases[] = {
        {{"--fault", "disconnect=100"}, "went away"},
        {{"--fault", "stall"}, "took no data for 2000 ms"},
    };
    for (const Case& c : cases) {
        VirtualInstrumentProcess vi(c.options);
        PortDevice com1(1, vi.device());
        configure();
        test::FillWaveform(ws, Ramp(1000));
        prompter.shown.clear();
        instrument.SendWaveform();
        const QStringList shown = prompts();
        ASSERT_EQ(shown.size(), 3) << shown.join("\n").toStdString();
        EXPECT_EQ(shown.mid(0, 2), QStringList({"download shown", "download closed"}));
        EXPECT_TRUE(shown[2].startsWith("message TLV | The download stopped after "));
        EXPECT_TRUE(shown[2].contains(c.says)) << shown[2].toStdString();
        EXPECT_TRUE(shown[2].endsWith("The instrument did not receive the whole waveform. | OK | "
                                      "exclamation"));
    }

    // Silence matters to the probe only: the download itself goes through.
    VirtualInstrumentProcess silent({"--fault", "silent"});
    PortDevice com1(1, silent.device());
    prompter.shown.clear();
    instrument.SendWaveform();
    EXPECT_EQ(prompts(), QStringList({"download shown", "download closed"}));
    ASSERT_EQ(silent.awaitEvents("data", 1).size(), 1u);
    EXPECT_EQ(silent.events("data")[0]["values"].toInt(), 1000);
}

// A port that cannot be opened is told as the port message.
TEST_F(InstrumentDialogs, DownloadToAMissingPortSaysSo)
{
    PortDevice com1(1, kMissingDevice);
    configure();
    test::FillWaveform(ws, Ramp(10));
    instrument.SendWaveform();
    EXPECT_EQ(prompts(), QStringList({"download shown", "download closed",
                                      "message TLV | Port is not Supported or is being used by "
                                      "another device | OK | none"}));
}

}  // namespace
}  // namespace tlv
