#include <QList>
#include <algorithm>

#include "instrument/GpibReport.h"
#include "instrument/IeeeSequences.h"
#include "instrument/WireFormat.h"

namespace tlv {

namespace {

// The NI card takes the values in blocks of this many words.
constexpr int kBlockWords = 4096;

LinkOutcome Refused(const QString& message)
{
    return {LinkOutcome::Status::Failed, LinkFailure::NotOpen, message};
}

// What one IEEE-488 download has done so far, for the message that ends it early.
class Progress {
public:
    Progress(Waiter& waiter, LinkControl& control, const std::vector<int>& codes)
        : waiter_(waiter), control_(control)
    {
        control_.sent = 0;
        control_.total = static_cast<int>(codes.size());
    }

    // False when a cancel cut a wait short.
    bool waitShort(int times = 1) { return wait(kDelayShort, times); }
    bool waitLong(int times = 1) { return wait(kDelayLong, times); }
    bool cancelled() const { return control_.cancel.load(); }
    void sent(int values) { control_.sent += values; }
    // The data is all on the bus; only the closing "A4" is left.
    void markDelivered() { delivered_ = true; }

    LinkOutcome cancelOutcome() const
    {
        return {LinkOutcome::Status::Cancelled, LinkFailure::Cancelled,
                delivered_ ? QString("The download was cancelled after the waveform was sent, "
                                     "before its closing command.")
                           : QString("The download was cancelled after %1 of %2 values. The "
                                     "instrument did not receive the whole waveform.")
                                 .arg(control_.sent.load())
                                 .arg(control_.total.load())};
    }
    LinkOutcome failOutcome(const QString& reason) const
    {
        return {LinkOutcome::Status::Failed, LinkFailure::WriteFailed,
                delivered_ ? QString("The waveform was sent, but the download could not finish: "
                                     "%1.")
                                 .arg(reason)
                           : QString("The download stopped after %1 of %2 values: %3. The "
                                     "instrument did not receive the whole waveform.")
                                 .arg(control_.sent.load())
                                 .arg(control_.total.load())
                                 .arg(reason)};
    }

private:
    bool wait(std::chrono::milliseconds duration, int times)
    {
        for (int i = 0; i < times; ++i)
            if (!waiter_.wait(duration))
                return false;
        return true;
    }

    Waiter& waiter_;
    LinkControl& control_;
    bool delivered_ = false;
};

LinkOutcome SendFailure(const GpibStatus& status)
{
    return {LinkOutcome::Status::Failed, LinkFailure::WriteFailed,
            GpibErrorReport("Error Send Command ", status), Icon::Critical};
}

// A SICL command was refused: the session is closed, and the user told so.
LinkOutcome SiclFailure(Sicl& sicl, int session, QString message)
{
    try {
        sicl.close(session);
    } catch (const SiclError& closeError) {
        message += "\n" + closeError.message();
    }
    return {LinkOutcome::Status::Failed, LinkFailure::WriteFailed,
            message + "\nThe session with the instrument is closed; choose the interface again "
                      "to identify it.",
            Icon::Exclamation};
}

QString RefusedCommand(Sicl& sicl, const QByteArray& text, int result)
{
    return sicl.failure("iprintf \"" + QString::fromLatin1(text) + "\"", result).message();
}

}  // namespace

LinkOutcome SendGpibChannel(GpibDriver& driver, const LinkState& link, int channelMode)
{
    if (!link.GpibReady)
        return Refused(kNotGpibSettingMessage);
    driver.Send(link.GpibBoard, static_cast<Addr4882>(link.GpibAddress),
                ChannelCommand(channelMode), gpib::NLend);
    if (driver.status().failed())
        return SendFailure(driver.status());
    return {};
}

LinkOutcome SendSiclChannel(SiclDriver& driver, LinkState& link, int channelMode)
{
    if (!link.SiclReady)
        return Refused(kNotGpibSettingMessage);
    Sicl sicl(driver);
    const QByteArray command = ChannelCommand(channelMode);
    if (const int result = sicl.printf(link.SiclSession, command); result != 0) {
        link.SiclReady = false;
        return SiclFailure(sicl, link.SiclSession,
                           "The channel could not be set: " + RefusedCommand(sicl, command, result));
    }
    return {};
}

LinkOutcome RunNiDownload(GpibDriver& driver, Waiter& waiter, const LinkState& link,
                          const DownloadRequest& request, LinkControl& control)
{
    if (!link.GpibReady)
        return Refused(kSelectInterfaceMessage);
    const std::vector<int> codes = PrepareValues(request.volts);
    Progress progress(waiter, control, codes);
    const int board = link.GpibBoard;
    const auto address = static_cast<Addr4882>(link.GpibAddress);
    const auto send = [&](const QByteArray& text) {
        driver.Send(board, address, text, gpib::NLend);
        return !driver.status().failed();
    };

    if (!progress.waitLong())
        return progress.cancelOutcome();
    for (const QByteArray& text :
         {QByteArray("A4"), ChannelCommand(request.channelMode), QByteArray("G0"),
          QByteArray("T0"), QByteArray("EE0"), LengthCommand(static_cast<int>(codes.size()))}) {
        if (!send(text))
            return SendFailure(driver.status());
        if (!progress.waitShort())
            return progress.cancelOutcome();
    }

    std::vector<std::int32_t> words;
    for (size_t start = 0; start < codes.size(); start += kBlockWords) {
        if (progress.cancelled())
            return progress.cancelOutcome();
        const size_t end = std::min(codes.size(), start + kBlockWords);
        words.clear();
        for (size_t k = start; k < end; ++k)
            words.push_back(WireWord(codes[k]));
        const std::int32_t ibsta = driver.Test1(board, words.data(),
                                                static_cast<std::int32_t>(words.size()) - 1,
                                                link.GpibAddress);
        // The block transfer's status is checked too: a lost block is no finished download.
        if (ibsta & gpib::ERR)
            return SendFailure(driver.status());
        progress.sent(static_cast<int>(words.size()));
    }
    progress.markDelivered();

    if (!progress.waitLong(3))
        return progress.cancelOutcome();
    if (!send("A4"))
        return SendFailure(driver.status());
    return {};
}

bool SiclSessionClosed(const LinkOutcome& outcome)
{
    return outcome.status == LinkOutcome::Status::Failed &&
           outcome.failure == LinkFailure::WriteFailed;
}

LinkOutcome RunSiclDownload(SiclDriver& driver, Waiter& waiter, const LinkState& link,
                            const DownloadRequest& request, LinkControl& control)
{
    if (!link.SiclReady)
        return Refused(kSelectInterfaceMessage);
    const std::vector<int> codes = PrepareValues(request.volts);
    Progress progress(waiter, control, codes);
    Sicl sicl(driver);
    const int session = link.SiclSession;
    // Why the library refused a command; empty when it took it.
    const auto refusal = [&](const QByteArray& text) {
        const int result = sicl.printf(session, text);
        return result == 0 ? QString() : RefusedCommand(sicl, text, result);
    };
    const auto failed = [&](const QString& reason) {
        return SiclFailure(sicl, session, progress.failOutcome(reason).message);
    };

    const QList<QByteArray> commands = {"A4", ChannelCommand(request.channelMode), "G0", "T0",
                                        "EE0", LengthCommand(static_cast<int>(codes.size()))};
    for (qsizetype i = 0; i < commands.size(); ++i) {
        if (i > 0 && !progress.waitShort(2))
            return progress.cancelOutcome();
        if (const QString reason = refusal(commands[i]); !reason.isEmpty())
            return failed(reason);
    }
    if (!progress.waitShort())
        return progress.cancelOutcome();

    for (int code : codes) {
        if (progress.cancelled())
            return progress.cancelOutcome();
        // Each value is checked: a value the library did not take is a waveform not sent.
        if (const int result = sicl.write(session, WireBytes(code), 1); result != 0)
            return failed(sicl.failure("iwrite", result).message());
        progress.sent(1);
    }
    progress.markDelivered();

    if (!progress.waitLong(3))
        return progress.cancelOutcome();
    if (const QString reason = refusal("A4"); !reason.isEmpty())
        return failed(reason);
    return {};
}

}  // namespace tlv
