// Both IEEE-488 cards against fake drivers that write every call and wait as a line of text: identification, the
// channel command, the download, the error reports and the close operations; and what happens
// with no library at all.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdlib>
#include <dlfcn.h>
#include <gnu/libc-version.h>
#include <functional>
#include <map>
#include <sys/stat.h>
#include <tuple>

#include "Waveforms.h"
#include "instrument/GpibDriver.h"
#include "instrument/IeeeLinks.h"
#include "instrument/IeeeSequences.h"
#include "instrument/LinuxGpib.h"
#include "instrument/SiclDriver.h"
#include "instrument/SiclLibrary.h"
#include "instrument/Waits.h"
#include "instrument/WireFormat.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"

using namespace tlv;
using namespace tlv::test;

namespace {

// Every driver call and wait of a conversation, in order, as text.
struct Transcript {
    QStringList lines;
    // Runs after a line is added.
    std::function<void(const QString&)> onLine;

    void add(const QString& line)
    {
        lines << line;
        if (onLine)
            onLine(line);
    }
};

// Writes "wait 20" or "wait 200"; a set cancel flag cuts the wait short.
class TranscriptWaiter : public Waiter {
public:
    explicit TranscriptWaiter(Transcript& t, const std::atomic<bool>* cancel = nullptr)
        : t_(t), cancel_(cancel)
    {
    }
    bool wait(std::chrono::microseconds d) override
    {
        t_.add(QString("wait %1").arg(d.count() / 1000));
        return !(cancel_ && cancel_->load());
    }

private:
    Transcript& t_;
    const std::atomic<bool>* cancel_;
};

// An NI-488.2 driver that answers as a bus with the listeners and replies a test gives it, and
// fails the calls it is told to fail.
class FakeGpib : public GpibDriver {
public:
    explicit FakeGpib(Transcript& t) : t_(t) {}

    QStringList boards{"GPIB0"};
    std::vector<Addr4882> listeners{0, 9};
    std::map<int, QByteArray> replies{{9, "KTR6610/2\r\n"}};
    std::vector<std::vector<std::int32_t>> blocks;  // every Test1 block

    // The nth call (from 1) whose line starts with prefix leaves this status.
    void fail(const QString& prefix, int nth, GpibStatus status)
    {
        failures_.emplace_back(prefix, nth, status);
    }

    int ibfind(const QByteArray& name) override
    {
        const bool found = boards.contains(QString::fromLatin1(name));
        call("ibfind " + name, !found);
        return found && !status_.failed() ? 32 : -1;
    }
    void ibonl(int ud, int online) override { call(QString("ibonl %1 %2").arg(ud).arg(online)); }
    void SendIFC(int board) override { call(QString("SendIFC %1").arg(board)); }
    void FindLstn(int board, const std::vector<Addr4882>& pads, std::vector<Addr4882>& results,
                  int limit) override
    {
        QStringList list;
        for (Addr4882 a : pads)
            list << QString::number(a);
        call(QString("FindLstn %1 %2 [%3]").arg(board).arg(limit).arg(list.join(' ')));
        if (!status_.failed())
            std::copy_n(listeners.begin(), std::min<size_t>(listeners.size(), limit),
                        results.begin());
    }
    void DevClear(int board, Addr4882 address) override
    {
        call(QString("DevClear %1 %2").arg(board).arg(address));
    }
    void Send(int board, Addr4882 address, const QByteArray& data, int eotMode) override
    {
        call(QString("Send %1 %2 %3 %4").arg(board).arg(address).arg(QString::fromLatin1(data))
                 .arg(eotMode == gpib::NLend ? "NLend" : "other"));
    }
    QByteArray Receive(int board, Addr4882 address, long count, int termination) override
    {
        call(QString("Receive %1 %2 %3 %4").arg(board).arg(address).arg(count).arg(termination));
        return status_.failed() ? QByteArray() : replies[address].left(count);
    }
    std::int32_t Test1(int board, const std::int32_t* first, std::int32_t count,
                       std::int32_t address) override
    {
        blocks.emplace_back(first, first + count + 1);
        call(QString("Test1 %1 %2 %3").arg(board).arg(count).arg(address));
        return status_.ibsta;
    }
    GpibStatus status() const override { return status_; }

private:
    void call(const QString& line, bool failed = false)
    {
        status_ = failed ? GpibStatus{gpib::ERR, gpib::EDVR, 0} : GpibStatus{gpib::CMPL, 0, 0};
        for (auto& [prefix, nth, status] : failures_)
            if (line.startsWith(prefix) && --nth == 0)
                status_ = status;
        t_.add(line);
    }

    Transcript& t_;
    std::vector<std::tuple<QString, int, GpibStatus>> failures_;
    GpibStatus status_;
};

// A SICL library with a session per address "hpib7,N" (the session number is N), the replies a
// test gives, and the calls it is told to fail.
class FakeSicl : public SiclDriver {
public:
    explicit FakeSicl(Transcript& t) : t_(t) {}

    std::map<int, QByteArray> replies{{9, "KTR6610/2\r\n"}};
    QByteArray written;  // every byte written, in order

    // The nth call (from 1) whose line starts with prefix fails with this number.
    void fail(const QString& prefix, int nth, int number) { failures_.emplace_back(prefix, nth, number); }

    int iopen(const QByteArray& address) override
    {
        const int result = call("iopen " + address);
        return result == 0 ? address.mid(6).toInt() : 0;
    }
    int iclose(int id) override { return call(QString("iclose %1").arg(id)); }
    int itimeout(int id, long ms) override { return call(QString("itimeout %1 %2").arg(id).arg(ms)); }
    int itermchr(int id, int c) override { return call(QString("itermchr %1 %2").arg(id).arg(c)); }
    int iprintf(int id, const QByteArray& text) override
    {
        const int result = call(QString("iprintf %1 %2").arg(id).arg(QString::fromLatin1(text)));
        if (result == 0)
            written += text + "\n";
        return result;
    }
    int iread(int id, unsigned long size, QByteArray& reply) override
    {
        const int result = call(QString("iread %1 %2").arg(id).arg(size));
        reply = result == 0 ? replies[id].left(static_cast<qsizetype>(size)) : QByteArray();
        return result;
    }
    int iwrite(int id, const QByteArray& bytes, int end) override
    {
        const int result = call(QString("iwrite %1 %2 %3").arg(id).arg(bytes.size()).arg(end));
        if (result == 0)
            written += bytes;
        return result;
    }
    int siclcleanup() override { return call("_siclcleanup"); }
    int igeterrno() override { return errno_; }
    QString igeterrstr(int error) override { return QString("fake error %1").arg(error); }

private:
    int call(const QString& line)
    {
        int result = 0;
        for (auto& [prefix, nth, number] : failures_)
            if (line.startsWith(prefix) && --nth == 0)
                result = number;
        if (result != 0)
            errno_ = result;
        t_.add(result == 0 ? line : line + " -> " + QString::number(result));
        return result;
    }

    Transcript& t_;
    std::vector<std::tuple<QString, int, int>> failures_;
    int errno_ = 0;
};

struct Identified {};

template <class Driver>
struct Card {
    Card() = default;
    // As identification leaves it: board 1, the instrument at address 9 (the SICL session 9).
    explicit Card(Identified)
    {
        link.GpibReady = link.SiclReady = true;
        link.GpibBoard = 1;
        link.GpibAddress = 9;
        link.SiclSession = 9;
    }
    Transcript t;
    Driver driver{t};
    LinkControl control;
    TranscriptWaiter waiter{t, &control.cancel};
    LinkState link;
    ScriptedPrompter prompter;
};

struct Ni : Card<FakeGpib> {
    using Card::Card;
    bool identify() { return IdentifyNi(driver, waiter, link, prompter); }
    LinkOutcome download(std::vector<double> volts, int channelMode = 0)
    {
        return RunNiDownload(driver, waiter, link, {std::move(volts), channelMode, "Linux"},
                             control);
    }
};

struct SiclCard : Card<FakeSicl> {
    using Card::Card;
    bool identify() { return IdentifySicl(driver, waiter, link, prompter); }
    LinkOutcome download(std::vector<double> volts, int channelMode = 0)
    {
        return RunSiclDownload(driver, waiter, link, {std::move(volts), channelMode, "Linux"},
                               control);
    }
};

const QString kAllAddresses =
    "[0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 65535]";
const QString kClosed = "\nThe session with the instrument is closed; choose the interface "
                        "again to identify it.";

}  // namespace

TEST(Identification, KtrMustStandAtTheFirstCharacter)
{
    for (const char* reply : {"KTR6610/2", "KTR6610/2,REV 1.0,serial 12345"})
        EXPECT_TRUE(IsInstrumentIdentity(reply)) << reply;
    for (const char* reply : {"", "KTR6610/", "KTR6610/3", " KTR6610/2", "ktr6610/2",
                              "ACME,KTR6610/2"})
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
              (QStringList{"ibonl 1 0", "wait 20", "wait 20", "ibfind GPIB0", "ibfind GPIB1",
                           "ibfind GPIB2", "SendIFC 2", "FindLstn 2 31 " + kAllAddresses,
                           "DevClear 2 4", "Send 2 4 *IDN? NLend", "wait 20", "wait 20",
                           "Receive 2 4 20 10", "Send 2 9 *IDN? NLend", "wait 20", "wait 20",
                           "Receive 2 9 20 10", "Send 2 9 K0 NLend"}));
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
        ni.driver.fail(call, 1, {0x8000, 2, 0});
        EXPECT_FALSE(ni.identify()) << call.toStdString();
        EXPECT_FALSE(ni.link.GpibReady);
        EXPECT_TRUE(ni.t.lines.last().startsWith(lastLine)) << ni.t.lines.last().toStdString();
        EXPECT_EQ(Prompts(ni.prompter.shown),
                  QStringList{"message TLV | " + lead + "\nibsta = &H8000\niberr = 2 <ENOL> | "
                              "OK | critical"});
    }
}

TEST(NiIdentification, NoBoardTriesGpib0To3AndFailsAtFindLstn)
{
    Ni ni;
    ni.driver.boards.clear();
    ni.driver.fail("FindLstn", 1, {0x8000, 0, 0});
    EXPECT_FALSE(ni.identify());
    EXPECT_EQ(ni.link.GpibBoard, -1);
    EXPECT_EQ(ni.t.lines.mid(3, 6), (QStringList{"ibfind GPIB0", "ibfind GPIB1", "ibfind GPIB2",
                                                 "ibfind GPIB3", "SendIFC -1",
                                                 "FindLstn -1 31 " + kAllAddresses}));
}

TEST(SiclIdentification, AsksAddressesInOrderAndKeepsTheSession)
{
    SiclCard card;
    card.driver.replies = {{3, "ACME,DMM\n"}, {4, " KTR6610/2\n"}, {5, "KTR6610/2\n"}};
    card.driver.fail("iprintf 1 ", 1, 3);
    card.driver.fail("iprintf 2 ", 1, 3);
    ASSERT_TRUE(card.identify());
    EXPECT_EQ(card.link.SiclSession, 5);
    EXPECT_TRUE(card.link.SiclReady);
    QStringList expected{"_siclcleanup"};
    for (int a = 1; a <= 5; ++a) {
        const QString id = QString::number(a);
        expected << "iopen hpib7," + id << "itimeout " + id + " 1000" << "itermchr " + id + " 10";
        if (a <= 2) {
            expected << "iprintf " + id + " *IDN? -> 3" << "iclose " + id;
            continue;
        }
        expected << "iprintf " + id + " *IDN?" << "wait 20" << "iread " + id + " 80";
        if (a < 5)
            expected << "iclose " + id;
    }
    EXPECT_EQ(card.t.lines, expected);
    EXPECT_TRUE(card.prompter.shown.isEmpty());
}

TEST(SiclIdentification, ARaisedErrorEndsTheSearchAndIsShown)
{
    for (const QString call : {"_siclcleanup", "iopen hpib7,2", "itimeout 2", "itermchr 2",
                               "iread 2", "iclose 1"}) {
        SiclCard card;
        card.driver.replies = {{1, "ACME\n"}, {9, "KTR6610/2\n"}};
        card.link.SiclReady = true;
        card.driver.fail(call, 1, 7);
        EXPECT_FALSE(card.identify()) << call.toStdString();
        EXPECT_FALSE(card.link.SiclReady);
        const QString name = call.section(' ', 0, 0);
        EXPECT_EQ(Prompts(card.prompter.shown),
                  QStringList{"message TLV | SICL error 7 in " + name + ": fake error 7 | OK | "
                              "critical"});
        // The session the error interrupted is closed; no further address is tried.
        EXPECT_TRUE(card.t.lines.filter("iopen hpib7,3").isEmpty());
        if (name != "_siclcleanup" && name != "iopen" && name != "iclose")
            EXPECT_EQ(card.t.lines.last(), "iclose 2");
    }
}

TEST(IeeeChannel, BothCardsSendF0OrF1OrSayWhyNot)
{
    for (int mode : {0, -1}) {
        const QString command = mode == 0 ? "F0" : "F1";
        Ni ni{Identified{}};
        EXPECT_TRUE(SendGpibChannel(ni.driver, ni.link, mode).done());
        EXPECT_EQ(ni.t.lines, QStringList{"Send 1 9 " + command + " NLend"});
        SiclCard sicl{Identified{}};
        EXPECT_TRUE(SendSiclChannel(sicl.driver, sicl.link, mode).done());
        EXPECT_EQ(sicl.driver.written, command.toLatin1() + "\n");
    }

    Ni niNone;
    SiclCard siclNone;
    for (const LinkOutcome& outcome : {SendGpibChannel(niNone.driver, niNone.link, 0),
                                       SendSiclChannel(siclNone.driver, siclNone.link, 0)})
        EXPECT_EQ(outcome.message, "Not GPIB Setting");
    EXPECT_TRUE(niNone.t.lines.isEmpty() && siclNone.t.lines.isEmpty());

    Ni ni{Identified{}};
    ni.driver.fail("Send", 1, {0x8000, 2, 0});
    const LinkOutcome niFailed = SendGpibChannel(ni.driver, ni.link, -1);
    EXPECT_EQ(niFailed.message, "Error Send Command \nibsta = &H8000\niberr = 2 <ENOL>");
    EXPECT_EQ(niFailed.icon, Icon::Critical);
    EXPECT_TRUE(ni.link.GpibReady);

    SiclCard sicl{Identified{}};
    sicl.driver.fail("iprintf", 1, 3);
    const LinkOutcome siclFailed = SendSiclChannel(sicl.driver, sicl.link, 0);
    EXPECT_EQ(siclFailed.message,
              "The channel could not be set: SICL error 3 in iprintf \"F0\": fake error 3" + kClosed);
    EXPECT_EQ(sicl.t.lines, (QStringList{"iprintf 9 F0 -> 3", "iclose 9"}));
    EXPECT_FALSE(sicl.link.SiclReady);
}

TEST(NiDownload, CommandsWaitsAndBlocksInOrder)
{
    Ni ni{Identified{}};
    const LinkOutcome outcome = ni.download(Ramp(3), -1);
    ASSERT_TRUE(outcome.done()) << outcome.message.toStdString();
    QStringList expected{"wait 200"};
    for (const char* text : {"A4", "F1", "G0", "T0", "EE0", "V23"})
        expected << QString("Send 1 9 %1 NLend").arg(text) << "wait 20";
    expected << "Test1 1 2 9" << "wait 200" << "wait 200" << "wait 200" << "Send 1 9 A4 NLend";
    EXPECT_EQ(ni.t.lines, expected);
    // The words are code + 2048: -5 V, 0 V and +5 V.
    EXPECT_EQ(ni.driver.blocks, (std::vector<std::vector<std::int32_t>>{{0, 2048, 4095}}));
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
        std::vector<std::int32_t> sent, words;
        for (const auto& block : ni.driver.blocks)
            sent.insert(sent.end(), block.begin(), block.end());
        for (int code : PrepareValues(volts))
            words.push_back(WireWord(code));
        EXPECT_EQ(sent, words) << values;
    }
}

TEST(NiDownload, AFailedSendOrBlockReportsAndStops)
{
    for (const QString call : {"Send 1 9 A4", "Send 1 9 F0", "Send 1 9 T0", "Send 1 9 V2",
                               "Test1"}) {
        Ni ni{Identified{}};
        ni.driver.fail(call, 1, {0x8000, 2, 0});
        const LinkOutcome outcome = ni.download(Ramp(5000));
        EXPECT_EQ(outcome.status, LinkOutcome::Status::Failed);
        EXPECT_EQ(outcome.message, "Error Send Command \nibsta = &H8000\niberr = 2 <ENOL>");
        EXPECT_EQ(outcome.icon, Icon::Critical);
        EXPECT_TRUE(ni.t.lines.last().startsWith(call)) << call.toStdString();
    }
    // The closing "A4" fails after the data went; a failed second block leaves the first sent.
    Ni last{Identified{}};
    last.driver.fail("Send 1 9 A4", 2, {0xC000, 6, 0});
    EXPECT_EQ(last.download(Ramp(5000)).message,
              "Error Send Command \nibsta = &HC000\niberr = 6 <EABO>");
    EXPECT_EQ(last.control.sent.load(), 5000);
    Ni block{Identified{}};
    block.driver.fail("Test1", 2, {0x8000, 2, 0});
    block.download(Ramp(5000));
    EXPECT_EQ(block.control.sent.load(), 4096);
}

TEST(NiDownload, NotIdentifiedOrCancelled)
{
    Ni none;
    const LinkOutcome refused = none.download(Ramp(10));
    EXPECT_EQ(refused.message, "Select an Interface Type");
    EXPECT_EQ(refused.icon, Icon::None);
    EXPECT_TRUE(none.t.lines.isEmpty());

    Ni ni{Identified{}};
    ni.t.onLine = [&](const QString& line) {
        if (line.startsWith("Test1"))
            ni.control.cancel = true;
    };
    const LinkOutcome outcome = ni.download(Ramp(9000));
    EXPECT_EQ(outcome.status, LinkOutcome::Status::Cancelled);
    EXPECT_EQ(outcome.message, "The download was cancelled after 4096 of 9000 values. The "
                               "instrument did not receive the whole waveform.");

    Ni late{Identified{}};
    late.t.onLine = [&](const QString& line) {
        if (line == "Test1 1 9 9")
            late.control.cancel = true;
    };
    EXPECT_EQ(late.download(Ramp(10)).message,
              "The download was cancelled after the waveform was sent, before its closing "
              "command.");
    EXPECT_EQ(late.t.lines.last(), "wait 200");
}

TEST(SiclDownload, TheBytesAndWaitsInOrder)
{
    SiclCard card{Identified{}};
    const LinkOutcome outcome = card.download({-5.0, -1.0, 5.0}, -1);
    ASSERT_TRUE(outcome.done()) << outcome.message.toStdString();
    EXPECT_EQ(card.driver.written, QByteArray("A4\nF1\nG0\nT0\nEE0\nV23\n") +
                                       QByteArray::fromHex("0000" "6606" "ff0f") + "A4\n");
    QStringList expected;
    for (const char* text : {"A4", "F1", "G0", "T0", "EE0", "V23"}) {
        if (QByteArray(text) != "A4")
            expected << "wait 20" << "wait 20";
        expected << QString("iprintf 9 %1").arg(text);
    }
    expected << "wait 20" << "iwrite 9 2 1" << "iwrite 9 2 1" << "iwrite 9 2 1";
    expected << "wait 200" << "wait 200" << "wait 200" << "iprintf 9 A4";
    EXPECT_EQ(card.t.lines, expected);
    EXPECT_FALSE(SiclSessionClosed(outcome));
}

TEST(SiclDownload, ARefusedWriteClosesTheSessionAndSaysSo)
{
    const QString lost = ": fake error 4. The instrument did not receive the whole waveform.";
    const std::tuple<QString, int, QString> cases[] = {
        {"iprintf 9 A4", 1, "The download stopped after 0 of 3 values: SICL error 4 in iprintf \"A4\"" + lost},
        {"iprintf 9 V2", 1, "The download stopped after 0 of 3 values: SICL error 4 in iprintf \"V23\"" + lost},
        {"iwrite", 2, "The download stopped after 1 of 3 values: SICL error 4 in iwrite" + lost},
        {"iprintf 9 A4", 2, "The waveform was sent, but the download could not finish: SICL "
                            "error 4 in iprintf \"A4\": fake error 4."}};
    for (const auto& [call, nth, message] : cases) {
        SiclCard card{Identified{}};
        card.driver.fail(call, nth, 4);
        const LinkOutcome outcome = card.download(Ramp(3));
        EXPECT_EQ(outcome.message, message + kClosed);
        EXPECT_EQ(outcome.icon, Icon::Exclamation);
        EXPECT_EQ(card.t.lines.last(), "iclose 9");
        EXPECT_TRUE(SiclSessionClosed(outcome));
    }
    SiclCard twice{Identified{}};
    twice.driver.fail("iprintf 9 G0", 1, 4);
    twice.driver.fail("iclose", 1, 2);
    EXPECT_TRUE(twice.download(Ramp(3)).message.contains(
        lost + "\nSICL error 2 in iclose: fake error 2\nThe session"));
}

TEST(SiclDownload, NotIdentifiedOrCancelled)
{
    SiclCard none;
    const LinkOutcome refused = none.download(Ramp(3));
    EXPECT_EQ(refused.message, "Select an Interface Type");
    EXPECT_FALSE(SiclSessionClosed(refused));
    EXPECT_TRUE(none.t.lines.isEmpty());

    SiclCard card{Identified{}};
    card.t.onLine = [&](const QString& line) {
        if (line.startsWith("iwrite"))
            card.control.cancel = true;
    };
    const LinkOutcome outcome = card.download(Ramp(5));
    EXPECT_EQ(outcome.status, LinkOutcome::Status::Cancelled);
    EXPECT_EQ(outcome.message, "The download was cancelled after 1 of 5 values. The instrument "
                               "did not receive the whole waveform.");
    EXPECT_TRUE(card.t.lines.filter("iclose").isEmpty());
}

TEST(CloseOperations, AtExitAndWhenTheInterfaceChanges)
{
    Transcript t;
    LinkState link;
    link.GpibBoard = 2;
    link.SiclSession = 7;
    IeeeLinks links(link, std::make_unique<FakeGpib>(t), std::make_unique<FakeSicl>(t));
    const auto ready = [&](int type, bool gpib, bool sicl) {
        link.InterfaceType = type;
        link.GpibReady = gpib;
        link.SiclReady = sicl;
        t.lines.clear();
    };

    // At exit: the current card, when it is ready; serial closes nothing.
    ready(1, false, false);
    links.closeInstrumentLink();
    EXPECT_TRUE(t.lines.isEmpty());
    ready(1, true, false);
    links.closeInstrumentLink();
    EXPECT_EQ(t.lines, QStringList{"ibonl 2 0"});
    EXPECT_FALSE(link.GpibReady);
    ready(2, false, true);
    links.closeInstrumentLink();
    EXPECT_EQ(t.lines, (QStringList{"iclose 7", "_siclcleanup"}));
    EXPECT_FALSE(link.SiclReady);
    ready(0, true, true);
    links.closeInstrumentLink();
    EXPECT_TRUE(t.lines.isEmpty());

    // Switching: a ready card of another type is closed, the chosen one kept.
    EXPECT_EQ(links.closeOthers(1), "");
    EXPECT_EQ(t.lines, (QStringList{"iclose 7", "_siclcleanup"}));
    EXPECT_TRUE(link.GpibReady);
    ready(1, true, true);
    links.closeOthers(2);
    EXPECT_EQ(t.lines, QStringList{"ibonl 2 0"});
    EXPECT_TRUE(link.SiclReady);
    ready(1, true, true);
    static_cast<FakeSicl&>(links.sicl()).fail("iclose", 1, 4);
    EXPECT_EQ(links.closeOthers(0), "SICL error 4 in iclose: fake error 4");
    EXPECT_EQ(t.lines, (QStringList{"ibonl 2 0", "iclose 7 -> 4", "_siclcleanup"}));
    EXPECT_FALSE(link.GpibReady || link.SiclReady);
}

TEST(NoLibrary, EveryCallFailsAsWithNoBoard)
{
    LinuxGpibDriver gpib("/nonexistent/libgpib.so.0");
    EXPECT_FALSE(gpib.loaded());
    LinkState link;
    ScriptedPrompter prompter;
    SteadyWaiter waiter;
    EXPECT_FALSE(IdentifyNi(gpib, waiter, link, prompter));
    EXPECT_EQ(Messages(prompter.shown),
              QStringList{"TLV | Error sending FindLstn \nibsta = &H8000\niberr = 0 <EDVR>"});

    // A library without the calls counts as none.
    EXPECT_EQ(LinuxGpibDriver("libc.so.6").loadError(), "libc.so.6 has no ibfind");

    qputenv("TOLVENAR_SICL_LIBRARY", "/nonexistent/libsicl.so");
    SiclLibrary sicl;
    qunsetenv("TOLVENAR_SICL_LIBRARY");
    prompter.shown.clear();
    EXPECT_FALSE(IdentifySicl(sicl, waiter, link, prompter));
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(Messages(prompter.shown)[0].startsWith(
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
        {copy("half.so", system.left(system.size() / 2)),
         "it is cut short: a loadable segment ends at byte "},
        {copy("header.so", system.left(64)),
         "it is cut short: its program header table lies past its end"},
        {copy("text.so", "INPUT(libgpib.so.1)\n"), "it is not a library (no ELF header)"},
    };
    for (const auto& [path, reason] : refused) {
        LinuxGpibDriver gpib(path);
        EXPECT_FALSE(gpib.loaded());
        EXPECT_TRUE(gpib.loadError().startsWith(path + ": " + reason)) << qPrintable(gpib.loadError());
    }
    EXPECT_TRUE(LinuxGpibDriver(copy("whole.so", read(TOLVENAR_SIMGPIB))).loaded());

    qputenv("TOLVENAR_SICL_LIBRARY", fifo.toLocal8Bit());
    SiclLibrary sicl;
    qunsetenv("TOLVENAR_SICL_LIBRARY");
    EXPECT_EQ(sicl.igeterrstr(0),
              "the SICL library is not loaded: " + fifo + ": it is a FIFO, not a plain file");
}
