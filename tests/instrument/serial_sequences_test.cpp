// The probe, channel and download conversations, recorded byte by byte and wait by wait.
#include <gtest/gtest.h>

#include <QStringList>

#include "Waveforms.h"
#include "instrument/RecordingLink.h"
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
        case LinkEvent::Kind::Open:
            out << "open";
            break;
        case LinkEvent::Kind::Close:
            out << "close";
            break;
        case LinkEvent::Kind::Abort:
            out << "abort";
            break;
        case LinkEvent::Kind::Read:
            out << "read " + QString::fromLatin1(e.bytes);
            break;
        case LinkEvent::Kind::Wait:
            out << QString("wait %1").arg(e.wait.count() / 1000);
            break;
        case LinkEvent::Kind::Write:
            // Commands are longer than a data word.
            if (e.bytes.size() == 2)
                out << "data 2";
            else
                out << "write " + QString::fromLatin1(e.bytes);
            break;
        }
    }
    return out;
}

QStringList Commands(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* t : texts)
        out << "wait 20" << "wait 20" << QString("write %1\r\n").arg(t);
    return out;
}

struct Download {
    LinkOutcome run(std::vector<double> volts, int channelMode = 0,
                    const QString& system = "Linux")
    {
        return RunSerialDownload(link, waiter, {std::move(volts), channelMode, system}, control);
    }
    RecordingLink link;
    LinkControl control;
    RecordingWaiter waiter{link, &control.cancel};
};

}  // namespace

TEST(SerialDownload, CommandsWaitsAndDataInOrder)
{
    Download d;
    const LinkOutcome outcome = d.run(Ramp(3));
    ASSERT_TRUE(outcome.done()) << outcome.message.toStdString();

    QStringList expected{"open", "wait 20"};
    expected << Commands({"A4", "F0", "G0", "V0X", "EE0", "V23"});
    expected << "wait 20" << "wait 20" << "data 2" << "data 2" << "data 2";
    expected << "wait 20" << "wait 20" << "close";
    expected << "wait 20" << "open" << "wait 200" << "wait 200" << "write A4\r\n" << "close";
    EXPECT_EQ(Transcript(d.link), expected);
    EXPECT_EQ(d.control.sent.load(), 3);
    EXPECT_EQ(d.control.total.load(), 3);
}

TEST(SerialDownload, AThousandPointsAsBytes)
{
    Download d;
    const std::vector<double> volts = Ramp(1000);
    ASSERT_TRUE(d.run(volts).done());
    QByteArray expected = "A4\r\nF0\r\nG0\r\nV0X\r\nEE0\r\nV21000\r\n";
    for (double v : volts)
        expected += WireBytes(ValueCode(v));
    expected += "A4\r\n";
    EXPECT_EQ(d.link.written(), expected);
    EXPECT_EQ(d.link.written().mid(30, 2), QByteArray("\x00\x00", 2));  // -5 V first
    EXPECT_EQ(d.link.written().right(6).left(2), QByteArray("\xFF\x0F", 2));  // +5 V last
}

TEST(SerialDownload, ChannelTwoAndWindowsNt)
{
    Download d;
    ASSERT_TRUE(d.run({0.0}, -1, "Windows NT").done());
    EXPECT_EQ(d.link.written(), QByteArray("A4\r\nF1\r\nG0\r\nV0X\r\nEE0\r\nV21\r\n\x00\x08", 29));
    // No reopen and no closing "A4" on NT: the download ends with the close after the data.
    const QStringList t = Transcript(d.link);
    EXPECT_EQ(t.mid(t.size() - 4), (QStringList{"data 2", "wait 20", "wait 20", "close"}));
}

TEST(SerialDownload, AFullWaveformSends16383Values)
{
    Download d;
    ASSERT_TRUE(d.run(Ramp(16384)).done());
    EXPECT_TRUE(d.link.written().contains("EE0\r\nV216383\r\n"));
    EXPECT_EQ(Transcript(d.link).count("data 2"), 16383);
    EXPECT_EQ(d.control.sent.load(), 16383);
}

TEST(SerialDownload, CancelStopsSendingAndClosesThePort)
{
    Download d;
    // Writes 1..6 are the commands; the cancel comes with the 100th value.
    d.link.atWrite(6 + 100, [&] { d.control.cancel = true; });
    const LinkOutcome outcome = d.run(Ramp(1000));
    EXPECT_EQ(outcome.status, LinkOutcome::Status::Cancelled);
    EXPECT_EQ(d.control.sent.load(), 100);
    EXPECT_EQ(Transcript(d.link).count("data 2"), 100);
    EXPECT_EQ(Transcript(d.link).last(), "abort");
    EXPECT_FALSE(d.link.isOpen());
    EXPECT_EQ(outcome.message.toStdString(),
              "The download was cancelled after 100 of 1000 values. The instrument did not "
              "receive the whole waveform.");
}

TEST(SerialDownload, CancelDuringAWaitSendsNothingMore)
{
    Download d;
    d.control.cancel = true;
    EXPECT_EQ(d.run(Ramp(10)).status, LinkOutcome::Status::Cancelled);
    EXPECT_EQ(Transcript(d.link), (QStringList{"open", "wait 20", "abort"}));
}

TEST(SerialDownload, AFailedWriteEndsWithItsReason)
{
    for (LinkFailure failure : {LinkFailure::Vanished, LinkFailure::WriteFailed,
                                LinkFailure::Timeout}) {
        Download d;
        d.link.failWrite(6 + 501, failure);
        const LinkOutcome outcome = d.run(Ramp(1000));
        EXPECT_EQ(outcome.status, LinkOutcome::Status::Failed);
        EXPECT_EQ(outcome.failure, failure);
        EXPECT_EQ(outcome.message.toStdString(),
                  "The download stopped after 500 of 1000 values: recorded write failure. The "
                  "instrument did not receive the whole waveform.");
        EXPECT_EQ(Transcript(d.link).count("data 2"), 500);
        EXPECT_EQ(Transcript(d.link).last(), "abort");
    }
    // A failure among the commands stops before any data.
    Download d;
    d.link.failWrite(3, LinkFailure::Vanished);
    EXPECT_EQ(d.run(Ramp(10)).status, LinkOutcome::Status::Failed);
    EXPECT_EQ(d.link.written(), "A4\r\nF0\r\n");
}

TEST(SerialDownload, APortThatCannotOpenSendsNothing)
{
    Download d;
    d.link.failOpen(1);
    const LinkOutcome outcome = d.run(Ramp(10));
    EXPECT_EQ(outcome.failure, LinkFailure::CannotOpen);
    EXPECT_TRUE(d.link.written().isEmpty());
}

TEST(SerialDownload, APortThatCannotReopenIsNoSuccess)
{
    Download d;
    d.link.failOpen(2);
    const LinkOutcome outcome = d.run(Ramp(10));
    EXPECT_EQ(outcome.status, LinkOutcome::Status::Failed);
    EXPECT_TRUE(outcome.message.startsWith("The waveform was sent, but the download could not "
                                           "finish"));
    EXPECT_FALSE(d.link.written().endsWith("A4\r\n"));
}

TEST(SerialDownload, TheSteadyWaitStopsOnCancel)
{
    std::atomic<bool> cancel{false};
    SteadyWaiter waiter(&cancel);
    EXPECT_TRUE(DelayShort(waiter));
    cancel = true;
    EXPECT_FALSE(waiter.wait(std::chrono::seconds(30)));
}

TEST(SerialProbe, AnyReplyFindsTheInstrument)
{
    RecordingLink link;
    RecordingWaiter waiter(link);
    link.replyTo("A0?\r\n", "KTR6610/2\r\n");
    const ProbeOutcome found = ProbeSerial(link, waiter);
    EXPECT_EQ(found.status, ProbeOutcome::Status::Found);
    EXPECT_EQ(found.reply, "KTR6610/2\r\n");
    EXPECT_EQ(Transcript(link), (QStringList{"open", "write A0?\r\n", "wait 200", "wait 200",
                                             "read KTR6610/2\r\n", "close"}));
}

TEST(SerialProbe, SilenceAndPortFailuresAreTold)
{
    RecordingLink silent;
    RecordingWaiter silentWaiter(silent);
    const ProbeOutcome none = ProbeSerial(silent, silentWaiter);
    EXPECT_EQ(none.status, ProbeOutcome::Status::NoReply);
    EXPECT_EQ(none.message, "No instruments found.");
    EXPECT_FALSE(silent.isOpen());

    RecordingLink busy;
    RecordingWaiter busyWaiter(busy);
    busy.failOpen(1);
    const ProbeOutcome port = ProbeSerial(busy, busyWaiter);
    EXPECT_EQ(port.status, ProbeOutcome::Status::PortFailure);

    RecordingLink broken;
    RecordingWaiter brokenWaiter(broken);
    broken.failWrite(1, LinkFailure::Vanished);
    const ProbeOutcome lost = ProbeSerial(broken, brokenWaiter);
    EXPECT_EQ(lost.status, ProbeOutcome::Status::PortFailure);
    EXPECT_EQ(lost.message, "The instrument could not be asked: recorded write failure");
}

TEST(SerialChannel, SendsTheChannelThenA4)
{
    for (int mode : {0, -1}) {
        RecordingLink link;
        RecordingWaiter waiter(link);
        ASSERT_TRUE(SendSerialChannel(link, waiter, mode).done());
        EXPECT_EQ(Transcript(link), (QStringList{"open", mode ? "write F1\r\n" : "write F0\r\n",
                                                 "wait 20", "write A4\r\n", "wait 20", "close"}));
    }
}

TEST(SerialChannel, FailuresAreTold)
{
    RecordingLink busy;
    RecordingWaiter busyWaiter(busy);
    busy.failOpen(1);
    const LinkOutcome port = SendSerialChannel(busy, busyWaiter, -1);
    EXPECT_EQ(port.status, LinkOutcome::Status::Failed);
    EXPECT_EQ(port.message, "recorded open failure\nPort is being used by another device");

    RecordingLink broken;
    RecordingWaiter brokenWaiter(broken);
    broken.failWrite(2, LinkFailure::WriteFailed);
    const LinkOutcome lost = SendSerialChannel(broken, brokenWaiter, -1);
    EXPECT_EQ(lost.failure, LinkFailure::WriteFailed);
    EXPECT_EQ(lost.message, "The channel could not be set: recorded write failure");
    EXPECT_EQ(broken.written(), "F1\r\n");
}
