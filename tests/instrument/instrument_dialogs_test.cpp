// The Setting Interface and Channel Setting dialogs and Send Waveform, on pseudo-terminals served
// by the virtual instrument.
#include <gtest/gtest.h>

#include "VirtualInstrumentProcess.h"
#include "Waveforms.h"
#include "instrument/ChannelForm.h"
#include "instrument/Instrument.h"
#include "instrument/InterfaceForm.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"

namespace tlv {
namespace {

const QString kMissingDevice = "/nonexistent/tty";
const QString kUnset = "message TLV | Setting Serial Port or Baud Rate  | OK | none";

// An IEEE-488 card that answers as the test says and records what it was asked.
struct FakeCard : InterfacePath {
    bool Identify(Workspace&) override { return record("identify"); }
    void Close(Workspace&) override { calls << "close"; }
    bool SendChannel(Workspace&, bool channel2) override { return record(channel2 ? "F1" : "F0"); }
    std::optional<DownloadWork> PrepareDownload(Workspace&) override
    {
        calls << "download";
        return [](const DownloadRequest&, LinkControl&) { return LinkOutcome{}; };
    }
    bool record(const QString& call)
    {
        calls << call;
        return answers;
    }
    bool answers = true;
    QStringList calls;
};

class InstrumentDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        ws.prompter = &prompter;
        ASSERT_NE(ws.New(), nullptr);
        test::FillWaveform(ws, test::Ramp(1000));
    }

    QStringList prompts() const { return test::Prompts(prompter.shown); }
    // The serial line as the interface dialog leaves it.
    void configure(const QString& baud = "19200", int port = 1)
    {
        ws.link.InterfaceType = Instrument::Serial;
        ws.link.ComBaudText = baud;
        ws.link.ComPortNo = port;
    }
    bool confirm(const char* option)
    {
        InterfaceForm form(ws, instrument);
        form.click(option);
        form.click("cmdOk");
        return form.isClosed();
    }
    // Channel 2 confirmed; a dialog left open is cancelled. True when OK closed it.
    bool chooseChannel2()
    {
        ChannelForm form(ws, instrument);
        form.click("OptCh2");
        form.click("OKButton");
        if (form.isClosed())
            return true;
        form.click("CancelButton");
        EXPECT_TRUE(form.isClosed());
        return false;
    }
    FakeCard& plugCard(int type)
    {
        auto* card = new FakeCard;
        instrument.setPath(type, std::unique_ptr<InterfacePath>(card));
        return *card;
    }

    ScriptedPrompter prompter;
    Workspace ws;
    Instrument instrument{ws};
};

// ---- Setting Interface ------------------------------------------------------------------------

TEST_F(InstrumentDialogs, FailedProbesTellWhyAndLeaveThePreviousInterface)
{
    ws.link.InterfaceType = Instrument::AgilentCard;
    {
        VirtualInstrumentProcess silent({"--fault", "silent"});
        EnvSetting com1("TOLVENAR_COM1", silent.device());
        EXPECT_FALSE(confirm("opRS"));
        EXPECT_EQ(silent.awaitFields("command", "raw", 1), QStringList{"A0?\r\n"});
    }
    EnvSetting com1("TOLVENAR_COM1", kMissingDevice);
    EXPECT_FALSE(confirm("opRS"));
    EXPECT_EQ(prompts(),
              QStringList({"message TLV | No instruments found. | OK | exclamation",
                           "message TLV | Port is not Supported or is being used by another device"
                           "\n/nonexistent/tty: No such file or directory | OK | none"}));
    EXPECT_EQ(ws.link.InterfaceType, Instrument::AgilentCard);
    EXPECT_EQ(ws.link.ComBaudText, "9600");  // taken before the probe, as the dialog always has
}

TEST_F(InstrumentDialogs, ThePortListOffersTheSystemsPortsAndKeepsTheChosenOne)
{
    VirtualInstrumentProcess vi;
    const auto ports = [&vi] {
        return std::vector<SerialPortEntry>{{"/dev/ttyACM0", "ttyACM0", ""}, {vi.device(), "adapter", "USB UART"}};
    };
    InterfaceForm form(ws, instrument, ports);
    EXPECT_EQ(form.control("cboSerialPort")->items,
              QStringList({"COM1", "COM2", "COM3", "COM4", "ttyACM0", "adapter \u2013 USB UART"}));
    for (const auto& [item, device] : {std::pair{"ttyACM0", "/dev/ttyACM0"}, std::pair{"/tmp/typed", "/tmp/typed"},
                                       std::pair{"ttyX", "(no such port)"}}) {
        form.type("cboSerialPort", item);
        EXPECT_EQ(form.control("lblDevicePath")->text, device);
    }
    form.click("opRS");
    form.pick("cboSerialPort", "adapter \u2013 USB UART");
    form.click("cmdOk");
    EXPECT_TRUE(form.isClosed());
    EXPECT_EQ(ws.link.SerialDevice, vi.device());

    // Unplugged, it is still offered and chosen; COM1 makes it go.
    InterfaceForm again(ws, instrument, [] { return std::vector<SerialPortEntry>{}; });
    EXPECT_EQ(again.control("cboSerialPort")->items.last(), vi.device());
    EXPECT_EQ(again.control("cboSerialPort")->text, vi.device());
    EnvSetting com1("TOLVENAR_COM1", vi.device());
    again.pick("cboSerialPort", "COM1");
    again.click("cmdOk");
    EXPECT_TRUE(ws.link.SerialDevice.isEmpty());
    EXPECT_EQ(ws.link.ComPortNo, 1);
}

TEST_F(InstrumentDialogs, TheAdapterNeedsItsDeviceAndAnAddressAndBecomesCurrentWhenItAnswers)
{
    VirtualInstrumentProcess vi({"--adapter", "--address", "7"});
    InterfaceForm form(ws, instrument, [] { return std::vector<SerialPortEntry>{}; });
    EXPECT_FALSE(form.control("cboAdapter")->enabled);
    form.click("opAdapter");
    EXPECT_TRUE(form.control("cboAdapter")->enabled);
    EXPECT_FALSE(form.control("cboSerialPort")->enabled);
    const QString device = "TLV | Choose the serial device of the GPIB-USB adapter.";
    const QString address = "TLV | The GPIB address must be a whole number from 1 to 30.";
    for (const auto& [typed, number, message] :
         {std::tuple{"", "7", device}, std::tuple{"ttyNothing", "7", device}, std::tuple{"/dev/x", "0", address},
          std::tuple{"/dev/x", "31", address}, std::tuple{"/dev/x", "7.5", address}}) {
        prompter.shown.clear();
        form.type("cboAdapter", typed);
        form.type("txtAddress", number);
        form.click("cmdOk");
        EXPECT_EQ(test::Messages(prompter.shown), QStringList{message}) << typed << " " << number;
        EXPECT_FALSE(form.isClosed());
    }
    form.type("cboAdapter", vi.device());
    form.type("txtAddress", "7");
    form.click("cmdOk");
    EXPECT_TRUE(form.isClosed());
    EXPECT_EQ(ws.link.InterfaceType, Instrument::UsbAdapter);
    EXPECT_TRUE(ws.link.AdapterReady);
    EXPECT_EQ(ws.link.AdapterAddress, 7);
}

TEST_F(InstrumentDialogs, EveryRateAndPortAndWhatIsRefused)
{
    EnvSetting com1("TOLVENAR_COM1", kMissingDevice);
    EnvSetting com3("TOLVENAR_COM3", "ttyUSB7");
    InterfaceForm form(ws, instrument);
    EXPECT_EQ(form.control("cboRate")->text, "9600 BPS");
    for (const QString& item : form.control("cboRate")->items) {
        form.pick("cboRate", item);
        form.click("cmdOk");
        EXPECT_EQ(ws.link.ComBaudText, item.section(' ', 0, 0));
    }
    const QStringList devices = {kMissingDevice, "/dev/ttyS1", "/dev/ttyUSB7", "/dev/ttyS3"};
    for (int port = 1; port <= 4; ++port) {
        form.pick("cboSerialPort", QString("COM%1").arg(port));
        EXPECT_EQ(form.control("lblDevicePath")->text, devices[port - 1]);
    }
    EXPECT_EQ(form.control("cboRate")->items,
              QStringList({"2400 BPS", "4800 BPS", "9600 BPS", "19200 BPS"}));
    prompter.shown.clear();

    // A rate the line cannot take is refused.
    form.type("cboRate", "fast BPS");
    form.click("cmdOk");
    EXPECT_FALSE(form.isClosed());
    EXPECT_EQ(ws.link.ComBaudText, "19200");
    EXPECT_EQ(ws.link.ComPortNo, 1);
    EXPECT_TRUE(prompts().value(0).startsWith("message TLV | Invalid serial settings \"fast,n,8,2\""));

    // No rate at all closes the dialog with its message, changing nothing.
    form.type("cboRate", "");
    form.click("cmdOk");
    EXPECT_TRUE(form.isClosed());
    EXPECT_EQ(prompts().value(1), "message TLV | Setting baud rate | OK | none");
    EXPECT_EQ(ws.link.ComBaudText, "19200");

    // Opening again shows the port and rate confirmed.
    ws.link.ComPortNo = 3;
    InterfaceForm again(ws, instrument);
    EXPECT_EQ(again.control("cboSerialPort")->text, "COM3");
    EXPECT_EQ(again.control("cboRate")->text, "19200 BPS");
}

TEST_F(InstrumentDialogs, OkStoresTheBufferAndBothButtonsLetThePlotDraw)
{
    EnvSetting com1("TOLVENAR_COM1", kMissingDevice);
    EditTransaction(ws, EditTransaction::Closing::Redraw).WritePoints(1000, {4.5});  // not stored
    ws.edit.DrawSuspended = true;
    InterfaceForm form(ws, instrument);
    form.click("cmdOk");
    EXPECT_FALSE(ws.edit.DrawSuspended);
    EXPECT_EQ(CountStore(ws.activeSlot()->store), 1001);
    EXPECT_DOUBLE_EQ(ws.activeSlot()->store[1000], 4.5);

    ws.edit.DrawSuspended = true;
    form.click("cmdCancel");
    EXPECT_TRUE(form.isClosed());
    EXPECT_FALSE(ws.edit.DrawSuspended);
}

TEST_F(InstrumentDialogs, CardsBecomeCurrentAndCloseTheCardReadyBefore)
{
    EXPECT_FALSE(confirm("opGPIB"));
    EXPECT_FALSE(confirm("opGpibHp"));
    EXPECT_EQ(test::Messages(prompter.shown),
              QStringList({"TLV | The National Instrument IEEE-488 Card is not available.",
                           "TLV | The Agilent IEEE-488 Card is not available."}));

    FakeCard& ni = plugCard(Instrument::NiCard);
    FakeCard& agilent = plugCard(Instrument::AgilentCard);
    EXPECT_TRUE(confirm("opGPIB"));
    EXPECT_EQ(ws.link.InterfaceType, Instrument::NiCard);
    EXPECT_TRUE(ws.link.GpibReady);
    EXPECT_TRUE(confirm("opGpibHp"));
    EXPECT_EQ(ws.link.InterfaceType, Instrument::AgilentCard);
    EXPECT_TRUE(ws.link.SiclReady);
    EXPECT_FALSE(ws.link.GpibReady);
    EXPECT_EQ(ni.calls, QStringList({"identify", "close"}));

    // A card that finds nothing is not ready and leaves the current interface.
    ni.answers = false;
    EXPECT_FALSE(confirm("opGPIB"));
    EXPECT_FALSE(ws.link.GpibReady);
    EXPECT_EQ(ws.link.InterfaceType, Instrument::AgilentCard);

    // The serial line found takes the ready card offline; so does the exit.
    VirtualInstrumentProcess vi;
    EnvSetting com1("TOLVENAR_COM1", vi.device());
    EXPECT_TRUE(confirm("opRS"));
    EXPECT_FALSE(ws.link.SiclReady);
    EXPECT_EQ(agilent.calls, QStringList({"identify", "close"}));
    ni.answers = true;
    EXPECT_TRUE(confirm("opGPIB"));
    instrument.closeInstrumentLink();
    EXPECT_FALSE(ws.link.GpibReady);
    EXPECT_EQ(ni.calls.last(), "close");
}

// ---- Channel Setting ----------------------------------------------------------------------------

TEST_F(InstrumentDialogs, ChannelGoesOutAtOnceAndIsRemembered)
{
    VirtualInstrumentProcess vi;
    EnvSetting com1("TOLVENAR_COM1", vi.device());
    configure();
    const auto choose = [&](const char* option, const char* shownFirst) {
        ChannelForm form(ws, instrument);
        EXPECT_TRUE(form.control(shownFirst)->selected);
        form.click(option);
        form.click("OKButton");
        EXPECT_TRUE(form.isClosed());
    };
    choose("OptCh2", "OptCh1");
    EXPECT_TRUE(ws.link.ChannelMode);
    ws.link.ChannelMode = false;  // opening takes the remembered choice again
    choose("OptCh1", "OptCh2");
    EXPECT_FALSE(ws.link.ChannelMode);
    EXPECT_FALSE(ws.link.ChannelRemembered);
    // CH 2's "F1" is the instrument-download script's.
    EXPECT_EQ(vi.awaitFields("command", "raw", 4).mid(2), QStringList({"F0\r\n", "A4\r\n"}));
    EXPECT_TRUE(prompts().isEmpty());
}

// An interface not ready keeps Channel Setting open, its choice unmade, and sends no waveform.
TEST_F(InstrumentDialogs, UnreadyInterfacesRefuseTheChannelAndTheWaveform)
{
    VirtualInstrumentProcess vi;
    EnvSetting com1("TOLVENAR_COM1", vi.device());
    const QString noCard = "message TLV | Not GPIB Setting | OK | none";
    const QString noType = "message TLV | Select an Interface Type | OK | none";
    // The interface, the serial line's baud rate and port, what the channel and the waveform say.
    const std::tuple<int, QString, int, QString, QString> cases[] = {
        {Instrument::Serial, "", 1, kUnset, kUnset},
        {Instrument::Serial, "19200", 0, kUnset, kUnset},
        {Instrument::NiCard, "19200", 1, noCard, noType},
        {Instrument::AgilentCard, "19200", 1, noCard, noType}};
    for (const auto& [type, baud, port, channelSays, sendSays] : cases) {
        configure(baud, port);
        ws.link.InterfaceType = type;
        prompter.shown.clear();
        EXPECT_FALSE(chooseChannel2());
        ws.DownloadReport = "an earlier download";  // a refused send takes it away too
        instrument.SendWaveform();
        EXPECT_EQ(prompts(), QStringList({channelSays, sendSays})) << type;
        EXPECT_EQ(ws.DownloadReport, QString());
    }
    EXPECT_TRUE(vi.events("command").empty());

    // A port that cannot open refuses the channel; a ready card that refuses it says nothing here.
    EnvSetting missing("TOLVENAR_COM1", kMissingDevice);
    configure();
    prompter.shown.clear();
    EXPECT_FALSE(chooseChannel2());
    ws.link.InterfaceType = Instrument::AgilentCard;
    ws.link.SiclReady = true;
    FakeCard& agilent = plugCard(Instrument::AgilentCard);
    agilent.answers = false;
    EXPECT_FALSE(chooseChannel2());
    ASSERT_EQ(prompts().size(), 1);
    EXPECT_TRUE(prompts()[0].startsWith("message TLV | " + kMissingDevice));
    EXPECT_TRUE(prompts()[0].endsWith("\nPort is being used by another device | OK | none"));
    EXPECT_EQ(agilent.calls, QStringList{"F1"});
    EXPECT_FALSE(ws.link.ChannelMode);
    EXPECT_FALSE(ws.link.ChannelRemembered);

    // A ready card runs its download under the progress window.
    prompter.shown.clear();
    instrument.SendWaveform();
    EXPECT_EQ(prompts(), QStringList({"download shown", "download closed"}));
    EXPECT_EQ(agilent.calls.last(), "download");
}

// A line that fails ends the download with a message naming it, never a hang.
TEST_F(InstrumentDialogs, FailedDownloadsSayWhy)
{
    // The port's message in full is the probe's; a port that cannot open has no icon.
    const std::tuple<QStringList, QString, QString> faults[] = {
        {{"--fault", "disconnect=100"}, "The download stopped after ", "waveform. | OK | exclamation"},
        {{}, "Port is not Supported", "No such file or directory | OK | none"}};
    for (const auto& [options, starts, ends] : faults) {
        VirtualInstrumentProcess vi(options);
        EnvSetting com1("TOLVENAR_COM1", options.isEmpty() ? kMissingDevice : vi.device());
        configure();
        prompter.shown.clear();
        ws.DownloadReport = "an earlier download";  // only a whole waveform is reported as sent
        instrument.SendWaveform();
        EXPECT_EQ(ws.DownloadReport, QString());
        const QStringList shown = prompts();
        ASSERT_EQ(shown.size(), 3);
        EXPECT_EQ(shown.mid(0, 2), QStringList({"download shown", "download closed"}));
        EXPECT_TRUE(shown[2].startsWith("message TLV | " + starts)) << shown[2].toStdString();
        EXPECT_TRUE(shown[2].endsWith(ends)) << shown[2].toStdString();
    }
}

}  // namespace
}  // namespace tlv
