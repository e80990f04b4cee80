#include "instrument/DownloadSequence.h"

#include <QList>
#include <algorithm>

#include "instrument/WireFormat.h"

namespace tlv {

LinkOutcome DownloadCount::cancelled() const
{
    return {LinkOutcome::Status::Cancelled, LinkFailure::Cancelled,
            delivered_ ? QString("The download was cancelled after the waveform was sent, "
                                 "before its closing command.")
                       : QString("The download was cancelled after %1 of %2 values. The "
                                 "instrument did not receive the whole waveform.")
                             .arg(control_.sent.load())
                             .arg(control_.total.load())};
}

QString DownloadCount::stopped(const QString& reason) const
{
    return delivered_ ? QString("The waveform was sent, but the download could not finish: %1.")
                            .arg(reason)
                      : QString("The download stopped after %1 of %2 values: %3. The "
                                "instrument did not receive the whole waveform.")
                            .arg(control_.sent.load())
                            .arg(control_.total.load())
                            .arg(reason);
}

LinkOutcome RunDownload(const DownloadSteps& steps, const DownloadPlan& plan, Waiter& waiter,
                        const DownloadRequest& request, LinkControl& control)
{
    const std::vector<int> codes = PrepareValues(request.volts);
    control.sent = 0;
    control.total = static_cast<int>(codes.size());
    DownloadCount count(control);
    // A wait cut short, or a cancel seen between blocks, ends the download as cancelled; a step
    // that fails ends it as the link tells.
    bool cancelled = false;
    const auto pause = [&](const Pause& p) {
        for (int i = 0; i < p.times && !cancelled; ++i)
            cancelled = !waiter.wait(p.delay);
        return !cancelled;
    };
    const auto stop = [&] {
        if (!cancelled)
            return steps.failed(count);
        steps.cancelled();
        return count.cancelled();
    };

    const QList<QByteArray> commands = {"A4", ChannelCommand(request.channelMode), "G0",
                                        plan.modeCommand, "EE0", LengthCommand(control.total)};
    if (!pause(plan.lead))
        return stop();
    for (qsizetype i = 0; i < commands.size(); ++i)
        if ((i > 0 && !pause(plan.between)) || !steps.command(commands[i]))
            return stop();
    if (!pause(plan.beforeData))
        return stop();
    for (size_t start = 0; start < codes.size(); start += plan.blockValues) {
        const auto block = std::span(codes).subspan(
            start, std::min(codes.size() - start, static_cast<size_t>(plan.blockValues)));
        cancelled = count.cancelRequested();
        if (cancelled || !steps.block(block))
            return stop();
        control.sent += static_cast<int>(block.size());
    }
    if (!pause(plan.afterData) || !steps.close())
        return stop();
    count.markDelivered();
    if (plan.closingSkippedOnNt && request.systemName == "Windows NT")
        return {};
    if (!pause(plan.beforeReopen) || !steps.reopen() || !pause(plan.beforeClosing) ||
        !steps.command("A4") || !steps.close())
        return stop();
    return {};
}

}  // namespace tlv
