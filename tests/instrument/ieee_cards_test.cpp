// Both IEEE-488 cards: fake drivers writing every call as text, then the simulated bus's libraries.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <functional>
#include <gnu/libc-version.h>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <tuple>

#include "VirtualInstrumentProcess.h"
#include "Waveforms.h"
#include "instrument/ChannelForm.h"
#include "instrument/IeeeSequences.h"
#include "instrument/Instrument.h"
#include "instrument/InterfaceForm.h"
#include "instrument/LinuxGpib.h"
#include "instrument/SiclLibrary.h"
#include "instrument/WireFormat.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"

using namespace tlv;
using namespace tlv::test;

namespace {

QString Text(const QByteArray& bytes) { return QString::fromLatin1(bytes); }
QString Text(long long number) { return QString::number(number); }

// Every driver call and wait of a conversation, in order, as text ("name arg arg ...").
struct Transcript {
    QStringList lines;
    std::function<void(const QString&)> onLine;  // runs after a line is added
    std::vector<std::tuple<QString, int, GpibStatus>> failures;

    // The nth call (from 1) whose line starts with prefix fails so; SICL takes iberr as its number.
    void fail(const QString& prefix, int nth, GpibStatus status) { failures.emplace_back(prefix, nth, status); }
    void fail(const QString& prefix, int nth, int number) { fail(prefix, nth, {gpib::ERR, number, 0}); }
    // Adds the call's line; the status it fails with, if it does.
    template <class... Args>
    std::optional<GpibStatus> add(const char* name, Args... args)
    {
        QString line = name;
        ((line += ' ' + Text(args)), ...);
        std::optional<GpibStatus> out;
        for (auto& [prefix, nth, status] : failures)
            if (line.startsWith(prefix) && --nth == 0)
                out = status;
        lines << line;
        if (onLine)
            onLine(line);
        return out;
    }
};

// Writes "wait 20" or "wait 200"; a set cancel flag cuts the wait short.
struct TranscriptWaiter : Waiter {
    TranscriptWaiter(Transcript& t, const std::atomic<bool>& cancel) : t(t), cancel(cancel) {}
    bool wait(std::chrono::microseconds d) override
    {
        t.add("wait", d.count() / 1000);
        return !cancel.load();
    }
    Transcript& t;
    const std::atomic<bool>& cancel;
};

// An NI-488.2 driver that answers as a bus with the boards, listeners and replies a test gives it.
struct FakeGpib : GpibDriver {
    explicit FakeGpib(Transcript& t) : t(t) {}

    int ibfind(const QByteArray& name) override
    {
        return call(!boards.contains(Text(name)), "ibfind", name) ? 32 : -1;
    }
    void ibonl(int ud, int online) override { call(false, "ibonl", ud, online); }
    void SendIFC(int board) override { call(false, "SendIFC", board); }
    void FindLstn(int board, const std::vector<Addr4882>& pads, std::vector<Addr4882>& results,
                  int limit) override
    {
        QStringList list;
        for (Addr4882 a : pads)
            list << Text(a);
        if (call(false, "FindLstn", board, limit, ("[" + list.join(' ') + "]").toLatin1()))
            std::copy_n(listeners.begin(), std::min<size_t>(listeners.size(), limit), results.begin());
    }
    void DevClear(int board, Addr4882 address) override { call(false, "DevClear", board, address); }
    void Send(int board, Addr4882 address, const QByteArray& data, int eotMode) override
    {
        call(false, "Send", board, address, data, eotMode == gpib::NLend ? "NLend" : "other");
    }
    QByteArray Receive(int board, Addr4882 address, long count, int termination) override
    {
        const bool answered = call(false, "Receive", board, address, count, termination);
        return answered ? replies[address].left(count) : QByteArray();
    }
    std::int32_t Test1(int board, const std::int32_t* first, std::int32_t count, std::int32_t address) override
    {
        words.insert(words.end(), first, first + count + 1);
        call(false, "Test1", board, count, address);
        return status_.ibsta;
    }
    GpibStatus status() const override { return status_; }

    // True when the call succeeds.
    template <class... Args>
    bool call(bool noBoard, const char* name, Args... args)
    {
        const GpibStatus normal{noBoard ? gpib::ERR : gpib::CMPL, noBoard ? gpib::EDVR : 0, 0};
        status_ = t.add(name, args...).value_or(normal);
        return !status_.failed();
    }

    Transcript& t;
    QStringList boards{"GPIB0"};
    std::vector<Addr4882> listeners{0, 9};
    std::map<int, QByteArray> replies{{9, "KTR6610/2\r\n"}};
    std::vector<std::int32_t> words;  // every Test1 word, in order
    GpibStatus status_;
};

// A SICL library with a session per address "hpib7,N" (the session number is N).
struct FakeSicl : SiclDriver {
    explicit FakeSicl(Transcript& t) : t(t) {}

    int iopen(const QByteArray& address) override
    {
        return call("iopen", address) ? 0 : address.mid(6).toInt();
    }
    int iclose(int id) override { return call("iclose", id); }
    int itimeout(int id, long ms) override { return call("itimeout", id, ms); }
    int itermchr(int id, int c) override { return call("itermchr", id, c); }
    int iprintf(int id, const QByteArray& text) override
    {
        return write(call("iprintf", id, text), text + '\n');
    }
    int iread(int id, unsigned long size, QByteArray& reply) override
    {
        reply = replies[id].left(static_cast<qsizetype>(size));
        return call("iread", id, size);
    }
    int iwrite(int id, const QByteArray& bytes, int end) override
    {
        return write(call("iwrite", id, bytes.size(), end), bytes);
    }
    int siclcleanup() override { return call("_siclcleanup"); }
    int igeterrno() override { return errno_; }
    QString igeterrstr(int error) override { return QString("fake error %1").arg(error); }

    template <class... Args>
    int call(const char* name, Args... args)
    {
        const int result = t.add(name, args...).value_or(GpibStatus{}).iberr;
        errno_ = result;
        return result;
    }
    int write(int result, const QByteArray& bytes)
    {
        if (result == 0)
            written += bytes;
        return result;
    }

    Transcript& t;
    std::map<int, QByteArray> replies{{9, "KTR6610/2\r\n"}};
    QByteArray written;  // every byte written, in order
    int errno_ = 0;
};

// The simulated bus's libraries, loaded as linux-gpib's and SICL's would be.
struct SimGpib : LinuxGpibDriver {
    explicit SimGpib(Transcript&) : LinuxGpibDriver(TOLVENAR_SIMGPIB) {}
};
struct SimSicl : SiclLibrary {
    explicit SimSicl(Transcript&) : SiclLibrary(TOLVENAR_SIMSICL) {}
};

// Either card's sequences, chosen by the driver's kind.
bool Identify(GpibDriver& d, Waiter& w, LinkState& l, Prompter& p) { return IdentifyNi(d, w, l, p); }
bool Identify(SiclDriver& d, Waiter& w, LinkState& l, Prompter& p) { return IdentifySicl(d, w, l, p); }
LinkOutcome Download(GpibDriver& d, Waiter& w, LinkState& l, const DownloadRequest& r, LinkControl& c)
{
    return RunNiDownload(d, w, l, r, c);
}
LinkOutcome Download(SiclDriver& d, Waiter& w, LinkState& l, const DownloadRequest& r, LinkControl& c)
{
    return RunSiclDownload(d, w, l, r, c);
}
LinkOutcome Channel(GpibDriver& d, LinkState& l, int mode) { return SendGpibChannel(d, l, mode); }
LinkOutcome Channel(SiclDriver& d, LinkState& l, int mode) { return SendSiclChannel(d, l, mode); }

struct Identified {};

// A card as the sequences see it; Identified: board 1, the instrument at address 9 (the SICL session 9).
template <class Driver>
struct Card {
    static constexpr bool kNi = std::is_base_of_v<GpibDriver, Driver>;
    Card() = default;
    explicit Card(Identified)
    {
        link.GpibReady = link.SiclReady = true;
        link.GpibBoard = 1;
        link.GpibAddress = link.SiclSession = 9;
    }
    bool identify() { return Identify(driver, waiter, link, prompter); }
    LinkOutcome download(std::vector<double> volts, int channelMode = 0)
    {
        return Download(driver, waiter, link, {std::move(volts), channelMode, "Linux"}, control);
    }
    LinkOutcome channel(int mode) { return Channel(driver, link, mode); }

    Transcript t;
    Driver driver{t};
    LinkControl control;
    TranscriptWaiter waiter{t, control.cancel};
    LinkState link;
    ScriptedPrompter prompter;
};
using Ni = Card<FakeGpib>;
using SiclCard = Card<FakeSicl>;

// The virtual instrument on a bus of its own, which the libraries of this process reach.
struct Bus {
    explicit Bus(const QStringList& options) : instrument(QStringList{"--bus", dir.filePath("bus")} + options)
    {
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

const QString kAllAddresses =
    "[0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 65535]";
const QString kEnol = "Error Send Command \nibsta = &H8000\niberr = 2 <ENOL>";
const QString kClosed =
    "\nThe session with the instrument is closed; choose the interface again to identify it.";

}  // namespace

TEST(Identification, KtrMustStandAtTheFirstCharacter)
{
    for (const char* reply : {"KTR6610/2", "KTR6610/2,REV 1.0,serial 12345"})
        EXPECT_TRUE(IsInstrumentIdentity(reply)) << reply;
    for (const char* reply : {"", "KTR6610/", "KTR6610/3", " KTR6610/2", "ktr6610/2", "ACME,KTR6610/2"})
        EXPECT_FALSE(IsInstrumentIdentity(reply)) << reply;
}

TEST(NiIdentification, FindsTheInstrumentStepByStep)
{
    Ni ni;
    ni.driver.boards = {"GPIB2", "GPIB3"};
    ni.driver.listeners = {0, 4, 9, 12};
    ni.driver.replies = {{4, "ACME,DMM\n"}, {9, "KTR6610/2\r\n"}, {12, "KTR6610/2\r\n"}};
    ni.link.GpibBoard = 1;
    ASSERT_TRUE(ni.identify());
    EXPECT_EQ(ni.t.lines,
              (QStringList{"ibonl 1 0", "wait 20", "wait 20", "ibfind GPIB0", "ibfind GPIB1", "ibfind GPIB2",
                           "SendIFC 2", "FindLstn 2 31 " + kAllAddresses, "DevClear 2 4",
                           "Send 2 4 *IDN? NLend", "wait 20", "wait 20", "Receive 2 4 20 10",
                           "Send 2 9 *IDN? NLend", "wait 20", "wait 20", "Receive 2 9 20 10", "Send 2 9 K0 NLend"}));
    EXPECT_EQ(ni.link.GpibBoard, 2);  // the index, not the descriptor
    EXPECT_EQ(ni.link.GpibAddress, 9);
    EXPECT_TRUE(ni.link.GpibReady);
    EXPECT_TRUE(ni.prompter.shown.isEmpty());
}

TEST(NiIdentification, CandidatesAreTheListenersButTheInterface)
{
    // Whether or not the library lists the interface at address 0, it is never asked.
    Ni unlisted;
    unlisted.driver.listeners = {9};
    ASSERT_TRUE(unlisted.identify());
    EXPECT_EQ(unlisted.t.lines.filter("Send ").first(), "Send 0 9 *IDN? NLend");

    // No candidate at all clears every device and finds nothing, quietly.
    Ni none;
    none.driver.listeners = {0};
    EXPECT_FALSE(none.identify());
    EXPECT_TRUE(none.t.lines.contains("DevClear 0 65535"));
    EXPECT_TRUE(none.t.lines.filter("Send ").isEmpty());
    EXPECT_TRUE(none.prompter.shown.isEmpty());
}

TEST(NiIdentification, EachFailingCallReportsAndEnds)
{
    const std::tuple<QString, QString, QString> cases[] = {
        {"FindLstn", "Error sending FindLstn ", "FindLstn"},
        {"DevClear", "Error in clearing the devices. ", "DevClear 0 9"},
        {"Send 0 9", "Error Send Command ", "Send 0 9 *IDN? NLend"},
        {"Receive", "Error Receive Command ", "Receive 0 9 20 10"}};
    for (const auto& [call, lead, lastLine] : cases) {
        Ni ni;
        ni.link.GpibReady = true;
        ni.t.fail(call, 1, GpibStatus{0x8000, 2, 0});
        EXPECT_FALSE(ni.identify()) << call.toStdString();
        EXPECT_FALSE(ni.link.GpibReady);
        EXPECT_TRUE(ni.t.lines.last().startsWith(lastLine)) << ni.t.lines.last().toStdString();
        EXPECT_EQ(Prompts(ni.prompter.shown),
                  QStringList{"message TLV | " + lead + "\nibsta = &H8000\niberr = 2 <ENOL> | OK | critical"});
    }
}

TEST(NiIdentification, NoBoardTriesGpib0To3AndFailsAtFindLstn)
{
    Ni ni;
    ni.driver.boards.clear();
    ni.t.fail("FindLstn", 1, GpibStatus{0x8000, 0, 0});
    EXPECT_FALSE(ni.identify());
    EXPECT_EQ(ni.link.GpibBoard, -1);
    EXPECT_EQ(ni.t.lines.mid(3, 6), (QStringList{"ibfind GPIB0", "ibfind GPIB1", "ibfind GPIB2", "ibfind GPIB3",
                                                 "SendIFC -1", "FindLstn -1 31 " + kAllAddresses}));
}

TEST(SiclIdentification, AsksAddressesInOrderAndKeepsTheSession)
{
    SiclCard card;
    card.driver.replies = {{3, "ACME,DMM\n"}, {4, " KTR6610/2\n"}, {5, "KTR6610/2\n"}};
    card.t.fail("iprintf 1 ", 1, 3);
    card.t.fail("iprintf 2 ", 1, 3);
    ASSERT_TRUE(card.identify());
    EXPECT_EQ(card.link.SiclSession, 5);
    EXPECT_TRUE(card.link.SiclReady);
    QStringList expected{"_siclcleanup"};
    for (int a = 1; a <= 5; ++a) {
        const QString id = QString::number(a);
        expected << "iopen hpib7," + id << "itimeout " + id + " 1000" << "itermchr " + id + " 10"
                 << "iprintf " + id + " *IDN?";
        if (a > 2)
            expected << "wait 20" << "iread " + id + " 80";
        if (a < 5)
            expected << "iclose " + id;
    }
    EXPECT_EQ(card.t.lines, expected);
    EXPECT_TRUE(card.prompter.shown.isEmpty());

    // With no instrument every address up to 30 is asked, quietly.
    SiclCard none;
    none.driver.replies.clear();
    EXPECT_FALSE(none.identify());
    EXPECT_EQ(none.t.lines.filter("iopen").size(), 30);
    EXPECT_EQ(none.t.lines.filter("iopen").last(), "iopen hpib7,30");
    EXPECT_TRUE(none.prompter.shown.isEmpty());
}

TEST(SiclIdentification, ARaisedErrorEndsTheSearchAndIsShown)
{
    for (const QString call :
         {"_siclcleanup", "iopen hpib7,2", "itimeout 2", "itermchr 2", "iread 2", "iclose 1"}) {
        SiclCard card;
        card.driver.replies = {{1, "ACME\n"}, {9, "KTR6610/2\n"}};
        card.link.SiclReady = true;
        card.t.fail(call, 1, 7);
        EXPECT_FALSE(card.identify()) << call.toStdString();
        EXPECT_FALSE(card.link.SiclReady);
        const QString name = call.section(' ', 0, 0);
        EXPECT_EQ(Prompts(card.prompter.shown),
                  QStringList{"message TLV | SICL error 7 in " + name + ": fake error 7 | OK | critical"});
        // The session the error interrupted is closed; no further address is tried.
        EXPECT_TRUE(card.t.lines.filter("iopen hpib7,3").isEmpty());
        if (name != "_siclcleanup" && name != "iopen" && name != "iclose")
            EXPECT_EQ(card.t.lines.last(), "iclose 2");
    }
}

// What both cards share: the channel, the refusal before identification, a cancel amid the data.
template <class C>
class BothCards : public ::testing::Test {};
using CardTypes = ::testing::Types<Ni, SiclCard>;
TYPED_TEST_SUITE(BothCards, CardTypes);

TYPED_TEST(BothCards, SendF0OrF1OnlyOnceIdentified)
{
    for (int mode : {0, -1}) {
        TypeParam card{Identified{}};
        EXPECT_TRUE(card.channel(mode).done());
        EXPECT_EQ(card.t.lines, QStringList{QString(TypeParam::kNi ? "Send 1 9 %1 NLend" : "iprintf 9 %1")
                                                .arg(mode == 0 ? "F0" : "F1")});
    }
    TypeParam none;
    EXPECT_EQ(none.channel(0).message, "Not GPIB Setting");
    const LinkOutcome refused = none.download(Ramp(3));
    EXPECT_EQ(refused.message, "Select an Interface Type");
    EXPECT_EQ(refused.icon, Icon::None);
    EXPECT_FALSE(SiclSessionClosed(refused));
    EXPECT_TRUE(none.t.lines.isEmpty());
}

TYPED_TEST(BothCards, ACancelStopsBeforeTheNextBlockAndLeavesTheSession)
{
    TypeParam card{Identified{}};
    card.t.onLine = [&](const QString& line) {
        if (line.startsWith("Test1") || line.startsWith("iwrite"))
            card.control.cancel = true;
    };
    const LinkOutcome outcome = card.download(Ramp(5000));
    EXPECT_EQ(outcome.status, LinkOutcome::Status::Cancelled);
    EXPECT_EQ(outcome.message, QString("The download was cancelled after %1 of 5000 values. The "
                                       "instrument did not receive the whole waveform.")
                                   .arg(TypeParam::kNi ? 4096 : 1));
    EXPECT_TRUE(card.t.lines.filter("iclose").isEmpty());
}

TEST(IeeeChannel, ARefusedChannelReportsAndTheSiclSessionCloses)
{
    Ni ni{Identified{}};
    ni.t.fail("Send", 1, GpibStatus{0x8000, 2, 0});
    const LinkOutcome niFailed = ni.channel(-1);
    EXPECT_EQ(niFailed.message, kEnol);
    EXPECT_EQ(niFailed.icon, Icon::Critical);
    EXPECT_TRUE(ni.link.GpibReady);

    SiclCard sicl{Identified{}};
    sicl.t.fail("iprintf", 1, 3);
    EXPECT_EQ(sicl.channel(0).message,
              "The channel could not be set: SICL error 3 in iprintf \"F0\": fake error 3" + kClosed);
    EXPECT_EQ(sicl.t.lines, (QStringList{"iprintf 9 F0", "iclose 9"}));
    EXPECT_FALSE(sicl.link.SiclReady);
}

TEST(IeeeDownload, BothCardsCommandsWaitsAndDataInOrder)
{
    Ni ni{Identified{}};
    ASSERT_TRUE(ni.download(Ramp(3), -1).done());
    QStringList expected{"wait 200"};
    for (const char* text : {"A4", "F1", "G0", "T0", "EE0", "V23"})
        expected << QString("Send 1 9 %1 NLend").arg(text) << "wait 20";
    expected << "Test1 1 2 9" << "wait 200" << "wait 200" << "wait 200" << "Send 1 9 A4 NLend";
    EXPECT_EQ(ni.t.lines, expected);
    EXPECT_EQ(ni.driver.words, (std::vector<std::int32_t>{0, 2048, 4095}));  // code + 2048

    SiclCard sicl{Identified{}};
    const LinkOutcome done = sicl.download({-5.0, -1.0, 5.0}, -1);
    ASSERT_TRUE(done.done());
    EXPECT_FALSE(SiclSessionClosed(done));
    EXPECT_EQ(sicl.driver.written,
              QByteArray("A4\nF1\nG0\nT0\nEE0\nV23\n") + QByteArray::fromHex("0000" "6606" "ff0f") + "A4\n");
    expected = QStringList{"iprintf 9 A4"};
    for (const char* text : {"F1", "G0", "T0", "EE0", "V23"})
        expected << "wait 20" << "wait 20" << QString("iprintf 9 %1").arg(text);
    expected << "wait 20" << "iwrite 9 2 1" << "iwrite 9 2 1" << "iwrite 9 2 1";
    expected << "wait 200" << "wait 200" << "wait 200" << "iprintf 9 A4";
    EXPECT_EQ(sicl.t.lines, expected);
}

TEST(NiDownload, BlocksOf4096)
{
    const std::pair<int, std::vector<int>> cases[] = {
        {1, {0}}, {4096, {4095}}, {4097, {4095, 0}}, {16384, {4095, 4095, 4095, 4094}}};
    for (const auto& [values, counts] : cases) {
        Ni ni{Identified{}};
        const std::vector<double> volts = Ramp(values);
        ASSERT_TRUE(ni.download(volts).done());
        QStringList expected;
        for (int count : counts)
            expected << QString("Test1 1 %1 9").arg(count);
        EXPECT_EQ(ni.t.lines.filter("Test1"), expected) << values;
        // Every value once, in order; 16384 points send 16383.
        std::vector<std::int32_t> words;
        for (int code : PrepareValues(volts))
            words.push_back(WireWord(code));
        EXPECT_EQ(ni.driver.words, words) << values;
    }
}

TEST(NiDownload, AFailedSendOrBlockReportsAndStops)
{
    for (const QString call : {"Send 1 9 A4", "Send 1 9 F0", "Send 1 9 T0", "Send 1 9 V2", "Test1"}) {
        Ni ni{Identified{}};
        ni.t.fail(call, 1, GpibStatus{0x8000, 2, 0});
        const LinkOutcome outcome = ni.download(Ramp(5000));
        EXPECT_EQ(outcome.status, LinkOutcome::Status::Failed);
        EXPECT_EQ(outcome.message, kEnol);
        EXPECT_EQ(outcome.icon, Icon::Critical);
        EXPECT_TRUE(ni.t.lines.last().startsWith(call)) << call.toStdString();
    }
    // The closing "A4" fails after the data went; a failed second block leaves the first sent.
    Ni last{Identified{}};
    last.t.fail("Send 1 9 A4", 2, GpibStatus{0xC000, 6, 0});
    EXPECT_EQ(last.download(Ramp(5000)).message, "Error Send Command \nibsta = &HC000\niberr = 6 <EABO>");
    EXPECT_EQ(last.control.sent.load(), 5000);
    Ni block{Identified{}};
    block.t.fail("Test1", 2, GpibStatus{0x8000, 2, 0});
    block.download(Ramp(5000));
    EXPECT_EQ(block.control.sent.load(), 4096);

    // A cancel during the closing waits comes after the waveform went.
    Ni late{Identified{}};
    late.t.onLine = [&](const QString& line) {
        if (line == "Test1 1 9 9")
            late.control.cancel = true;
    };
    EXPECT_EQ(late.download(Ramp(10)).message,
              "The download was cancelled after the waveform was sent, before its closing command.");
    EXPECT_EQ(late.t.lines.last(), "wait 200");
}

TEST(SiclDownload, ARefusedWriteClosesTheSessionAndSaysSo)
{
    const QString lost = ": fake error 4. The instrument did not receive the whole waveform.";
    const QString stopped = "The download stopped after %1 of 3 values: SICL error 4 in ";
    const std::tuple<QString, int, QString> cases[] = {
        {"iprintf 9 A4", 1, stopped.arg(0) + "iprintf \"A4\"" + lost},
        {"iprintf 9 V2", 1, stopped.arg(0) + "iprintf \"V23\"" + lost},
        {"iwrite", 2, stopped.arg(1) + "iwrite" + lost},
        {"iprintf 9 A4", 2, "The waveform was sent, but the download could not finish: SICL error 4 in "
                            "iprintf \"A4\": fake error 4."}};
    for (const auto& [call, nth, message] : cases) {
        SiclCard card{Identified{}};
        card.t.fail(call, nth, 4);
        const LinkOutcome outcome = card.download(Ramp(3));
        EXPECT_EQ(outcome.message, message + kClosed);
        EXPECT_EQ(outcome.icon, Icon::Exclamation);
        EXPECT_EQ(card.t.lines.last(), "iclose 9");
        EXPECT_TRUE(SiclSessionClosed(outcome));
    }
    SiclCard twice{Identified{}};
    twice.t.fail("iprintf 9 G0", 1, 4);
    twice.t.fail("iclose", 1, 2);
    EXPECT_TRUE(twice.download(Ramp(3)).message.contains(lost + "\nSICL error 2 in iclose: fake error 2\nThe"));
}

TEST(CloseOperations, AtExitTheCurrentReadyCardAndOnSwitchingTheOthers)
{
    const QStringList ni{"ibonl 2 0"}, sicl{"iclose 7", "_siclcleanup"};
    // Interface type, the cards ready ("N": NI, "S": SICL), the type switched to (-1: the close
    // at exit), whether iclose fails, the calls made, the cards left ready. The serial line (0)
    // closes nothing at exit; a session that will not close is reported, SICL released anyway.
    const std::tuple<int, QString, int, bool, QStringList, QString> cases[] = {
        {1, "", -1, false, {}, ""},        {1, "N", -1, false, ni, ""},
        {2, "N", -1, false, {}, "N"},      {2, "S", -1, false, sicl, ""},
        {0, "NS", -1, false, {}, "NS"},    {0, "NS", 1, false, sicl, "N"},
        {1, "NS", 2, false, ni, "S"},      {1, "NS", 0, false, ni + sicl, ""},
        {1, "S", 0, true, sicl, ""}};
    for (const auto& [type, ready, switchTo, failClose, lines, after] : cases) {
        Transcript t;
        if (failClose)
            t.fail("iclose", 1, 4);
        LinkState link;
        link.GpibBoard = 2;
        link.SiclSession = 7;
        link.InterfaceType = type;
        link.GpibReady = ready.contains('N');
        link.SiclReady = ready.contains('S');
        IeeeLinks links(link, std::make_unique<FakeGpib>(t), std::make_unique<FakeSicl>(t));
        if (switchTo < 0)
            links.closeInstrumentLink();
        else
            EXPECT_EQ(links.closeOthers(switchTo), failClose ? "SICL error 4 in iclose: fake error 4" : "");
        EXPECT_EQ(t.lines, lines) << type << " " << switchTo;
        EXPECT_EQ(QString(link.GpibReady ? "N" : "") + (link.SiclReady ? "S" : ""), after)
            << type << " " << switchTo;
    }
}

// The whole program on either card, with the libraries found as a user points at them; the fake
// drivers pin the commands and the close operations. One card a process: two whole runs in one
// process crash LeakSanitizer's tracer at exit.
class IeeeBus : public ::testing::TestWithParam<bool> {};

TEST_P(IeeeBus, EitherCardDownloadsOnTheChosenChannelAndClosesAtExit)
{
    EnvSetting gpib("TOLVENAR_GPIB_LIBRARY", TOLVENAR_SIMGPIB);
    EnvSetting sicl("TOLVENAR_SICL_LIBRARY", TOLVENAR_SIMSICL);
    const std::vector<double> ramp = Ramp(1000);
    Bus bus({"--address", "9", "--other", "4:ACME,DMM 34401"});
    ScriptedPrompter prompter;
    Workspace ws;
    ws.prompter = &prompter;
    ASSERT_NE(ws.New(), nullptr);
    FillWaveform(ws, ramp);
    Instrument instrument(ws);
    instrument.useIeeeCards();
    InterfaceForm setting(ws, instrument);
    setting.click(GetParam() ? "opGPIB" : "opGpibHp");
    setting.click("cmdOk");
    ChannelForm channel(ws, instrument);
    channel.click("OptCh2");
    channel.click("OKButton");
    instrument.SendWaveform();
    ASSERT_EQ(bus.instrument.awaitEvents("data", 1).size(), 1u);
    ExpectReceived(bus.instrument.csvPath(2), ramp);

    instrument.closeInstrumentLink();
    EXPECT_FALSE(ws.link.GpibReady || ws.link.SiclReady);
}

INSTANTIATE_TEST_SUITE_P(NiAndAgilent, IeeeBus, ::testing::Bool());

TEST(SimulatedBus, ARefusedMessageIsToldInTheLibrarysWords)
{
    // The third message to the generator fails: "F0" through SICL (after "*IDN?" and "A4").
    Bus refusing({"--address", "7", "--fault", "send-fail=3"});
    Card<SimSicl> sicl;
    ASSERT_TRUE(sicl.identify());
    EXPECT_TRUE(sicl.download(Ramp(100)).message.startsWith(
        "The download stopped after 0 of 100 values: SICL error 4 in iprintf \"F0\": Timeout."));
    EXPECT_EQ(refusing.instrument.awaitFields("command", "command"), (QStringList{"*IDN?", "A4"}));
}

TEST(NoLibrary, EveryCallFailsAsWithNoBoard)
{
    LinuxGpibDriver gpib("/nonexistent/libgpib.so.0");
    EXPECT_FALSE(gpib.loaded());
    LinkState link;
    ScriptedPrompter prompter;
    SteadyWaiter waiter;
    EXPECT_FALSE(IdentifyNi(gpib, waiter, link, prompter));
    // A library without the calls counts as none.
    EXPECT_EQ(LinuxGpibDriver("libc.so.6").loadError(), "libc.so.6 has no ibfind");
    EnvSetting missing("TOLVENAR_SICL_LIBRARY", "/nonexistent/libsicl.so");
    SiclLibrary sicl;
    EXPECT_FALSE(IdentifySicl(sicl, waiter, link, prompter));
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(Messages(prompter.shown)[0], "TLV | Error sending FindLstn \nibsta = &H8000\niberr = 0 <EDVR>");
    EXPECT_TRUE(Messages(prompter.shown)[1].startsWith(
        "TLV | SICL error -1 in iopen: the SICL library is not loaded: /nonexistent/libsicl.so"));
}

// dlopen would wait for ever on a FIFO and die of SIGBUS on a library cut short: such files
// count as no library, named with the reason.
TEST(NoLibrary, OnlyAWholeLibraryFileIsLoaded)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.so");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    // The C library has no debugging sections at its end: half of it cuts its segments. (A
    // function the sanitizers do not intercept finds it, not their runtime.)
    Dl_info libc{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&gnu_get_libc_version), &libc), 0);
    const QByteArray system = read(libc.dli_fname);
    const auto copy = [&dir](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    };
    const std::pair<QString, QString> refused[] = {
        {fifo, "it is a FIFO, not a plain file"},
        {copy("half.so", system.left(system.size() / 2)), "it is cut short: a loadable segment ends at byte "},
        {copy("header.so", system.left(64)), "it is cut short: its program header table lies past its end"},
        {copy("text.so", "INPUT(libgpib.so.1)\n"), "it is not a library (no ELF header)"},
    };
    for (const auto& [path, reason] : refused) {
        LinuxGpibDriver gpib(path);
        EXPECT_FALSE(gpib.loaded());
        EXPECT_TRUE(gpib.loadError().startsWith(path + ": " + reason)) << qPrintable(gpib.loadError());
    }
    EXPECT_TRUE(LinuxGpibDriver(copy("whole.so", read(TOLVENAR_SIMGPIB))).loaded());
}
