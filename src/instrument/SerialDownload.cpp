#include <QScopeGuard>
#include <algorithm>

#include "instrument/SerialSequences.h"
#include "instrument/WireFormat.h"

namespace tlv {

// Two short waits come before every command on the line, and one more after the port opens.
const DownloadPlan kSerialPlan{.modeCommand = "V0X",
                               .lead = {kDelayShort, 3},
                               .between = {kDelayShort, 2},
                               .beforeData = {kDelayShort, 2},
                               .afterData = {kDelayShort, 2},
                               // Other systems end with "A4" on a freshly opened port.
                               .closingSkippedOnNt = true,
                               .beforeReopen = {kDelayShort, 1},
                               .beforeClosing = {kDelayLong, 2}};

LinkOutcome LinkStepFailed(InstrumentLink& link, const DownloadCount& count, const QString& where)
{
    const QString reason = link.errorString() + (where.isEmpty() ? QString() : " (" + where + ")");
    const LinkFailure failure = link.failure();
    link.abort();
    if (count.cancelRequested() || failure == LinkFailure::Cancelled)
        return count.cancelled();
    return {LinkOutcome::Status::Failed, failure, count.stopped(reason)};
}

LinkOutcome RunSerialDownload(InstrumentLink& link, Waiter& waiter, const DownloadRequest& request,
                              LinkControl& control)
{
    link.watchCancel(&control.cancel);
    const auto unwatch = qScopeGuard([&] { link.watchCancel(nullptr); });
    if (!link.open())
        return {LinkOutcome::Status::Failed, link.failure(), PortUnavailable(link)};
    // A step that fails leaves the link closed.
    const DownloadSteps steps{
        .command = [&](const QByteArray& text) { return link.write(text + "\r\n"); },
        .block =
            [&](std::span<const int> codes) {
                return std::ranges::all_of(codes,
                                           [&](int code) { return link.write(WireBytes(code)); });
            },
        .close = [&] { return link.close(); },
        .reopen = [&] { return link.open(); },
        .cancelled = [&] { link.abort(); },
        .failed = [&](const DownloadCount& count) { return LinkStepFailed(link, count); }};
    return RunDownload(steps, kSerialPlan, waiter, request, control);
}

}  // namespace tlv
