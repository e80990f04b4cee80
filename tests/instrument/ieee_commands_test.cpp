// The channel command and the download on both IEEE-488 cards, recorded call by call.
#include <gtest/gtest.h>

#include "IeeeFakes.h"
#include "Waveforms.h"
#include "instrument/IeeeSequences.h"
#include "instrument/WireFormat.h"

using namespace tlv;
using namespace tlv::test;

namespace {

template <class Driver>
struct Card {
    Card()
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
};

struct NiCard : Card<FakeGpib> {
    LinkOutcome download(std::vector<double> volts, int channelMode = 0)
    {
        return RunNiDownload(driver, waiter, link, {std::move(volts), channelMode, "Linux"},
                             control);
    }
};

struct SiclCard : Card<FakeSicl> {
    LinkOutcome download(std::vector<double> volts, int channelMode = 0)
    {
        return RunSiclDownload(driver, waiter, link, {std::move(volts), channelMode, "Linux"},
                               control);
    }
};

QStringList NiCommands(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* text : texts)
        out << QString("Send 1 9 %1 NLend").arg(text) << "wait 20";
    return out;
}

}  // namespace

TEST(NiDownload, CommandsWaitsAndBlocksInOrder)
{
    NiCard ni;
    const LinkOutcome outcome = ni.download(Ramp(3), -1);
    ASSERT_TRUE(outcome.done()) << outcome.message.toStdString();
    QStringList expected{"wait 200"};
    expected << NiCommands({"A4", "F1", "G0", "T0", "EE0", "V23"}) << "Test1 1 2 9"
             << "wait 200" << "wait 200" << "wait 200" << "Send 1 9 A4 NLend";
    EXPECT_EQ(ni.t.lines, expected);
    // The words are code + 2048: -5 V, 0 V and +5 V.
    EXPECT_EQ(ni.driver.blocks, (std::vector<std::vector<std::int32_t>>{{0, 2048, 4095}}));
    EXPECT_EQ(ni.control.sent.load(), 3);
}

TEST(NiDownload, BlocksOf4096)
{
    struct Case {
        int values;
        std::vector<int> counts;
    };
    for (const Case& c : {Case{1, {0}}, Case{4096, {4095}}, Case{4097, {4095, 0}},
                          Case{12289, {4095, 4095, 4095, 0}}, Case{16384, {4095, 4095, 4095, 4094}}}) {
        NiCard ni;
        const std::vector<double> volts = Ramp(c.values);
        ASSERT_TRUE(ni.download(volts).done());
        QStringList expected;
        for (int count : c.counts)
            expected << QString("Test1 1 %1 9").arg(count);
        EXPECT_EQ(ni.t.lines.filter("Test1"), expected) << c.values;
        // Every value once, in order; 16384 points send 16383.
        const std::vector<int> codes = PrepareValues(volts);
        std::vector<std::int32_t> sent;
        for (const auto& block : ni.driver.blocks)
            sent.insert(sent.end(), block.begin(), block.end());
        ASSERT_EQ(sent.size(), codes.size()) << c.values;
        for (size_t k = 0; k < codes.size(); ++k)
            ASSERT_EQ(sent[k], WireWord(codes[k])) << c.values << " value " << k;
        EXPECT_TRUE(ni.t.lines.contains(QString("Send 1 9 V2%1 NLend").arg(codes.size())));
    }
}

TEST(NiDownload, AFailedSendOrBlockReportsAndStops)
{
    for (const QString call : {"Send 1 9 A4", "Send 1 9 F0", "Send 1 9 T0", "Send 1 9 V2",
                               "Test1"}) {
        NiCard ni;
        ni.driver.fail(call, 1, {0x8000, 2, 0});
        const LinkOutcome outcome = ni.download(Ramp(5000));
        EXPECT_EQ(outcome.status, LinkOutcome::Status::Failed);
        EXPECT_EQ(outcome.message, "Error Send Command \nibsta = &H8000\niberr = 2 <ENOL>");
        EXPECT_EQ(outcome.icon, Icon::Critical);
        EXPECT_TRUE(ni.t.lines.last().startsWith(call)) << call.toStdString();
    }
    // The closing "A4" fails after the data went.
    NiCard last;
    last.driver.fail("Send 1 9 A4", 2, {0xC000, 6, 0});
    const LinkOutcome outcome = last.download(Ramp(5000));
    EXPECT_EQ(outcome.message, "Error Send Command \nibsta = &HC000\niberr = 6 <EABO>");
    EXPECT_EQ(last.t.lines.filter("Test1").size(), 2);
    EXPECT_EQ(last.control.sent.load(), 5000);
    // A failed second block leaves the first sent.
    NiCard block;
    block.driver.fail("Test1", 2, {0x8000, 2, 0});
    block.download(Ramp(5000));
    EXPECT_EQ(block.control.sent.load(), 4096);
}

TEST(NiDownload, NotIdentifiedOrCancelled)
{
    NiCard none;
    none.link.GpibReady = false;
    const LinkOutcome refused = none.download(Ramp(10));
    EXPECT_EQ(refused.status, LinkOutcome::Status::Failed);
    EXPECT_EQ(refused.message, "Select an Interface Type");
    EXPECT_EQ(refused.icon, Icon::None);
    EXPECT_TRUE(none.t.lines.isEmpty());

    NiCard ni;
    ni.t.onLine = [&](const QString& line) {
        if (line.startsWith("Test1"))
            ni.control.cancel = true;
    };
    const LinkOutcome outcome = ni.download(Ramp(9000));
    EXPECT_EQ(outcome.status, LinkOutcome::Status::Cancelled);
    EXPECT_EQ(outcome.message, "The download was cancelled after 4096 of 9000 values. The "
                               "instrument did not receive the whole waveform.");
    EXPECT_EQ(ni.t.lines.filter("Test1").size(), 1);

    NiCard late;
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
    SiclCard card;
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
    expected << "wait 20";
    for (int k = 0; k < 3; ++k)
        expected << "iwrite 9 2 1";
    expected << "wait 200" << "wait 200" << "wait 200" << "iprintf 9 A4";
    EXPECT_EQ(card.t.lines, expected);
    EXPECT_FALSE(SiclSessionClosed(outcome));
}

TEST(SiclDownload, ARefusedWriteClosesTheSessionAndSaysSo)
{
    struct Case {
        QString call;
        int nth;
        QString message;
    };
    const QString closed = "\nThe session with the instrument is closed; choose the interface "
                           "again to identify it.";
    for (const Case& c :
         {Case{"iprintf 9 A4", 1, "The download stopped after 0 of 3 values: SICL error 4 in "
                                  "iprintf \"A4\": fake error 4. The instrument did not "
                                  "receive the whole waveform."},
          Case{"iprintf 9 V2", 1, "The download stopped after 0 of 3 values: SICL error 4 in "
                                  "iprintf \"V23\": fake error 4. The instrument did not "
                                  "receive the whole waveform."},
          Case{"iwrite", 2, "The download stopped after 1 of 3 values: SICL error 4 in iwrite: "
                            "fake error 4. The instrument did not receive the whole waveform."},
          Case{"iprintf 9 A4", 2, "The waveform was sent, but the download could not finish: "
                                  "SICL error 4 in iprintf \"A4\": fake error 4."}}) {
        SiclCard card;
        card.driver.fail(c.call, c.nth, 4);
        const LinkOutcome outcome = card.download(Ramp(3));
        EXPECT_EQ(outcome.status, LinkOutcome::Status::Failed);
        EXPECT_EQ(outcome.message, c.message + closed);
        EXPECT_EQ(outcome.icon, Icon::Exclamation);
        EXPECT_EQ(card.t.lines.last(), "iclose 9");
        EXPECT_TRUE(SiclSessionClosed(outcome));
    }
    SiclCard twice;
    twice.driver.fail("iprintf 9 G0", 1, 4);
    twice.driver.fail("iclose", 1, 2);
    EXPECT_TRUE(twice.download(Ramp(3)).message.contains(
        "fake error 4. The instrument did not receive the whole waveform.\nSICL error 2 in "
        "iclose: fake error 2\nThe session"));
}

TEST(SiclDownload, NotIdentifiedOrCancelled)
{
    SiclCard none;
    none.link.SiclReady = false;
    const LinkOutcome refused = none.download(Ramp(3));
    EXPECT_EQ(refused.message, "Select an Interface Type");
    EXPECT_FALSE(SiclSessionClosed(refused));
    EXPECT_TRUE(none.t.lines.isEmpty());

    SiclCard card;
    card.t.onLine = [&](const QString& line) {
        if (line.startsWith("iwrite"))
            card.control.cancel = true;
    };
    const LinkOutcome outcome = card.download(Ramp(5));
    EXPECT_EQ(outcome.status, LinkOutcome::Status::Cancelled);
    EXPECT_EQ(outcome.message, "The download was cancelled after 1 of 5 values. The instrument "
                               "did not receive the whole waveform.");
    EXPECT_FALSE(SiclSessionClosed(outcome));
    EXPECT_EQ(card.t.lines.filter("iclose").size(), 0);
}

TEST(IeeeChannel, BothCards)
{
    for (int mode : {0, -1}) {
        const QString command = mode == 0 ? "F0" : "F1";
        NiCard ni;
        EXPECT_TRUE(SendGpibChannel(ni.driver, ni.link, mode).done());
        EXPECT_EQ(ni.t.lines, QStringList{"Send 1 9 " + command + " NLend"});
        SiclCard sicl;
        EXPECT_TRUE(SendSiclChannel(sicl.driver, sicl.link, mode).done());
        EXPECT_EQ(sicl.driver.written, command.toLatin1() + "\n");
    }

    NiCard niNone;
    niNone.link.GpibReady = false;
    SiclCard siclNone;
    siclNone.link.SiclReady = false;
    for (const LinkOutcome& outcome : {SendGpibChannel(niNone.driver, niNone.link, 0),
                                       SendSiclChannel(siclNone.driver, siclNone.link, 0)}) {
        EXPECT_EQ(outcome.status, LinkOutcome::Status::Failed);
        EXPECT_EQ(outcome.message, "Not GPIB Setting");
    }
    EXPECT_TRUE(niNone.t.lines.isEmpty() && siclNone.t.lines.isEmpty());

    NiCard ni;
    ni.driver.fail("Send", 1, {0x8000, 2, 0});
    const LinkOutcome niFailed = SendGpibChannel(ni.driver, ni.link, -1);
    EXPECT_EQ(niFailed.message, "Error Send Command \nibsta = &H8000\niberr = 2 <ENOL>");
    EXPECT_EQ(niFailed.icon, Icon::Critical);
    EXPECT_TRUE(ni.link.GpibReady);

    SiclCard sicl;
    sicl.driver.fail("iprintf", 1, 3);
    const LinkOutcome siclFailed = SendSiclChannel(sicl.driver, sicl.link, 0);
    EXPECT_EQ(siclFailed.message, "The channel could not be set: SICL error 3 in iprintf \"F0\": "
                                  "fake error 3\nThe session with the instrument is closed; "
                                  "choose the interface again to identify it.");
    EXPECT_EQ(sicl.t.lines, (QStringList{"iprintf 9 F0 -> 3", "iclose 9"}));
    EXPECT_FALSE(sicl.link.SiclReady);
}
