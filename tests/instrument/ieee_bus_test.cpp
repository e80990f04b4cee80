// Both IEEE-488 cards end to end: the program's own loaders take the simulated bus's libraries
// as they would take linux-gpib's and SICL's, and the virtual instrument serves the bus.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

#include "VirtualInstrumentProcess.h"
#include "Waveforms.h"
#include "instrument/ChannelForm.h"
#include "instrument/IeeeLinks.h"
#include "instrument/IeeeSequences.h"
#include "instrument/Instrument.h"
#include "instrument/InterfaceForm.h"
#include "instrument/LinuxGpib.h"
#include "instrument/SiclLibrary.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"

using namespace tlv;
using namespace tlv::test;

namespace {

// The virtual instrument on a bus of its own, which the libraries of this process reach.
struct Bus {
    explicit Bus(const QStringList& options)
        : instrument(QStringList{"--bus", dir.filePath("bus")} + options)
    {
    }

    // The generator's commands, in order.
    QStringList commands() const
    {
        QStringList out;
        for (const QJsonObject& e : instrument.events("command"))
            out << e["command"].toString();
        return out;
    }
    std::vector<QJsonObject> calls(const QString& call) const
    {
        std::vector<QJsonObject> out;
        for (const QJsonObject& e : instrument.events("bus"))
            if (e["call"] == call)
                out.push_back(e);
        return out;
    }

    QTemporaryDir dir;
    VirtualInstrumentProcess instrument;
    EnvSetting simbus{"TOLVENAR_SIMBUS", instrument.device()};
};

// The sequences alone, on the libraries of the simulated bus.
struct Program {
    Program() : links(link, std::make_unique<LinuxGpibDriver>(TOLVENAR_SIMGPIB),
                      std::make_unique<SiclLibrary>(TOLVENAR_SIMSICL))
    {
    }
    bool identifyNi() { return IdentifyNi(links.gpib(), waiter, link, prompter); }
    bool identifySicl() { return IdentifySicl(links.sicl(), waiter, link, prompter); }
    LinkOutcome downloadNi(std::vector<double> volts)
    {
        return RunNiDownload(links.gpib(), waiter, link, {std::move(volts), 0, "Linux"}, control);
    }
    LinkOutcome downloadSicl(std::vector<double> volts)
    {
        return RunSiclDownload(links.sicl(), waiter, link, {std::move(volts), 0, "Linux"},
                               control);
    }

    LinkState link;
    IeeeLinks links;
    SteadyWaiter waiter;
    LinkControl control;
    ScriptedPrompter prompter;
};

// The whole program on either card: the interface and channel dialogs and Send Waveform, with
// the libraries found as a user points at them.
class IeeeBus : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        ws.prompter = &prompter;
        ASSERT_NE(ws.New(), nullptr);
        FillWaveform(ws, ramp);
        instrument.useIeeeCards();
    }

    const std::vector<double> ramp = Ramp(1000);
    EnvSetting gpib{"TOLVENAR_GPIB_LIBRARY", TOLVENAR_SIMGPIB};
    EnvSetting sicl{"TOLVENAR_SICL_LIBRARY", TOLVENAR_SIMSICL};
    ScriptedPrompter prompter;
    Workspace ws;
    Instrument instrument{ws};
};

}  // namespace

TEST_P(IeeeBus, TheCardIdentifiesSetsTheChannelDownloadsAndCloses)
{
    const bool ni = GetParam();
    Bus bus({"--address", "9", "--other", "4:ACME,DMM 34401"});
    InterfaceForm setting(ws, instrument);
    setting.click(ni ? "opGPIB" : "opGpibHp");
    setting.click("cmdOk");
    EXPECT_TRUE(setting.isClosed());
    EXPECT_EQ(ws.link.InterfaceType, ni ? Instrument::NiCard : Instrument::AgilentCard);
    ChannelForm channel(ws, instrument);
    channel.click("OptCh2");
    channel.click("OKButton");
    EXPECT_TRUE(channel.isClosed());
    instrument.SendWaveform();
    EXPECT_EQ(Prompts(prompter.shown), QStringList({"download shown", "download closed"}));
    const auto data = bus.instrument.awaitEvents("data", 1);
    ASSERT_EQ(data.size(), 1u);
    EXPECT_EQ(data[0]["channel"].toInt(), 2);
    EXPECT_FALSE(data[0].contains("outOfRange"));
    ExpectReceived(bus.instrument.csvPath(2), ramp);

    instrument.closeInstrumentLink();
    EXPECT_FALSE(ws.link.GpibReady || ws.link.SiclReady);
    EXPECT_EQ(bus.commands(), (QStringList{"*IDN?"} + QStringList(ni ? 1 : 0, "K0") +
                               QStringList{"F1", "A4", "F1", "G0", "T0", "EE0", "V21000", "A4"}));
    if (ni) {
        EXPECT_EQ(ws.link.GpibAddress, 9);
        const auto offline = bus.calls("ibonl");  // the board goes offline at the end
        ASSERT_FALSE(offline.empty());
        EXPECT_EQ(offline.back()["ud"].toInt(), 0);
        EXPECT_EQ(offline.back()["online"].toInt(), 0);
        EXPECT_FALSE(offline.back().contains("error"));
    } else {
        // Only the instrument's session was left open, until the close at exit.
        EXPECT_EQ(bus.calls("iclose").back()["session"], bus.calls("iopen").back()["session"]);
        EXPECT_EQ(bus.calls("_siclcleanup").size(), 2u);
    }
}

INSTANTIATE_TEST_SUITE_P(NiAndAgilent, IeeeBus, ::testing::Bool());

// The reply buffers, 20 characters on the NI card and 80 through SICL, reach the library; what
// they keep of a longer reply still identifies.
TEST(SimulatedBus, ALongReplyIsCutToTheBufferAndStillIdentifies)
{
    const QString identity = "KTR6610/2," + QString(100, 'x');
    Bus bus({"--address", "9", "--other", "4:" + identity});
    Program p;
    ASSERT_TRUE(p.identifyNi());
    EXPECT_EQ(p.link.GpibAddress, 4);
    ASSERT_TRUE(p.identifySicl());
    EXPECT_EQ(bus.calls("Receive").at(0)["raw"].toString(), identity.left(20));
    EXPECT_EQ(bus.calls("iread").at(0)["raw"].toString(), identity.left(80));
    EXPECT_EQ(bus.calls("iopen").back()["address"].toString(), "hpib7,4");
}

TEST(SimulatedBus, ARefusedMessageIsToldInTheLibrarysWords)
{
    // The third message to the generator fails: "F0" through SICL (after "*IDN?" and "A4").
    Bus bus({"--address", "7", "--fault", "send-fail=3"});
    Program p;
    ASSERT_TRUE(p.identifySicl());
    EXPECT_TRUE(p.downloadSicl(Ramp(100)).message.startsWith(
        "The download stopped after 0 of 100 values: SICL error 4 in iprintf \"F0\": Timeout."));
    EXPECT_EQ(bus.commands(), (QStringList{"*IDN?", "A4"}));
}

TEST(SimulatedBus, OnceEndsTheInstrumentAfterADownload)
{
    Bus bus({"--once"});
    Program p;
    ASSERT_TRUE(p.identifyNi());
    EXPECT_EQ(p.link.GpibAddress, 1);
    ASSERT_TRUE(p.downloadNi(Ramp(10)).done());
    EXPECT_TRUE(bus.instrument.finished());
    EXPECT_EQ(bus.instrument.events("exit")[0]["reason"].toString(), "once");
    EXPECT_FALSE(QFile::exists(bus.dir.filePath("bus")));
}

TEST(SimulatedBus, OptionsTheInstrumentRefuses)
{
    QTemporaryDir dir;
    const QString socket = dir.filePath("bus");
    const auto refused = [](const QStringList& options) {
        QProcess instrument;
        instrument.start(TOLVENAR_INSTRUMENT, options);
        instrument.waitForFinished(5000);
        return std::pair{instrument.exitCode(), QString::fromLocal8Bit(instrument.readAllStandardError())};
    };
    const QString needs = "needs ADDR:IDN";
    const std::pair<QStringList, QString> cases[] = {
        {{"--bus", socket, "--baud", "9600"}, "--bus takes no --link, --baud"},
        {{"--bus", socket, "--fault", "stall"}, "--bus takes no --link, --baud"},
        {{"--address", "5"}, "need --bus"},
        {{"--fault", "no-listener"}, "need --bus"},
        {{"--bus", socket, "--address", "0"}, "--address needs an address 1..30"},
        {{"--bus", socket, "--address", "31"}, "--address needs an address 1..30"},
        {{"--bus", socket, "--other", "1:X"}, "--other 1:X: " + needs},
        {{"--bus", socket, "--other", "31:X"}, "--other 31:X: " + needs},
        {{"--bus", socket, "--other", "4"}, "--other 4: " + needs},
        {{"--bus", socket, "--other", "4:X", "--other", "4:Y"}, "--other 4:Y: " + needs},
        {{"--bus", socket, "--fault", "send-fail=0"}, "send-fail=K needs a whole number K >= 1"},
    };
    for (const auto& [options, message] : cases) {
        const auto [code, error] = refused(options);
        EXPECT_EQ(code, 2) << options.join(' ').toStdString();
        EXPECT_TRUE(error.contains(message)) << error.toStdString();
    }
    QFile file(socket);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const auto [code, error] = refused({"--bus", socket});
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(error.contains(socket + " exists and is not a socket")) << error.toStdString();
}
