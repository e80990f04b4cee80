#include "instrument/GpibReport.h"
#include "instrument/IeeeSequences.h"
#include "instrument/WireFormat.h"

namespace tlv {

namespace {

LinkOutcome Refused(const QString& message)
{
    return {LinkOutcome::Status::Failed, LinkFailure::NotOpen, message};
}

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

const QByteArray kCardMode = "T0";  // both cards' mode command

// A long wait, then a short one after each command; the values go in blocks of 4096 words.
const DownloadPlan kNiPlan{.modeCommand = kCardMode,
                           .lead = {kDelayLong, 1},
                           .between = {kDelayShort, 1},
                           .beforeData = {kDelayShort, 1},
                           .blockValues = 4096,
                           .beforeClosing = {kDelayLong, 3}};

// Two short waits between the commands, one after them; each value goes on its own.
const DownloadPlan kSiclPlan{.modeCommand = kCardMode,
                             .between = {kDelayShort, 2},
                             .beforeData = {kDelayShort, 1},
                             .beforeClosing = {kDelayLong, 3}};

}  // namespace

const DownloadPlan& NiDownloadPlan() { return kNiPlan; }

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
    const DownloadSteps steps{
        .command =
            [&](const QByteArray& text) {
                driver.Send(link.GpibBoard, static_cast<Addr4882>(link.GpibAddress), text,
                            gpib::NLend);
                return !driver.status().failed();
            },
        .block =
            [&](std::span<const int> codes) {
                std::vector<std::int32_t> words;
                for (int code : codes)
                    words.push_back(WireWord(code));
                // The block transfer's status is checked too: a lost block is no finished download.
                return !(driver.Test1(link.GpibBoard, words.data(),
                                      static_cast<std::int32_t>(words.size()) - 1,
                                      link.GpibAddress) &
                         gpib::ERR);
            },
        .failed = [&](const DownloadCount&) { return SendFailure(driver.status()); }};
    return RunDownload(steps, NiDownloadPlan(), waiter, request, control);
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
    Sicl sicl(driver);
    const int session = link.SiclSession;
    // Each command and value is checked: what the library did not take is a waveform not sent.
    QString reason;
    const auto refused = [&](const QString& why) {
        reason = why;
        return false;
    };
    const DownloadSteps steps{
        .command =
            [&](const QByteArray& text) {
                const int result = sicl.printf(session, text);
                return result == 0 || refused(RefusedCommand(sicl, text, result));
            },
        .block =
            [&](std::span<const int> codes) {
                for (int code : codes)
                    if (const int result = sicl.write(session, WireBytes(code), 1); result != 0)
                        return refused(sicl.failure("iwrite", result).message());
                return true;
            },
        .failed =
            [&](const DownloadCount& count) {
                return SiclFailure(sicl, session, count.stopped(reason));
            }};
    return RunDownload(steps, kSiclPlan, waiter, request, control);
}

}  // namespace tlv
