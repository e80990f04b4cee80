#include "instrument/AdapterSequences.h"

#include <QElapsedTimer>
#include <QScopeGuard>

#include "instrument/IeeeSequences.h"
#include "instrument/SerialSequences.h"
#include "instrument/WireFormat.h"

namespace tlv {

namespace {

constexpr std::chrono::milliseconds kReplyTime{1500};
constexpr int kReadTimeLimitMs = 1000;  // the adapter's own, for "++read"

// What arrives up to a line end, or whatever came within the reply time.
QByteArray ReadLine(InstrumentLink& link)
{
    QByteArray reply;
    QElapsedTimer timer;
    timer.start();
    while (!reply.endsWith('\n') && timer.elapsed() < kReplyTime.count()) {
        const QByteArray got = link.read(kReplyTime - std::chrono::milliseconds(timer.elapsed()));
        if (got.isEmpty())
            break;
        reply += got;
    }
    return reply;
}

QString Where(const AdapterTarget& target)
{
    return QString("the GPIB-USB adapter on %1").arg(target.device);
}

QString PortFailure(InstrumentLink& link)
{
    // The port's reason names the device already.
    return QString("Cannot reach the GPIB-USB adapter: %1.").arg(link.errorString());
}

}  // namespace

QByteArray AdapterEscape(QByteArrayView bytes)
{
    QByteArray escaped;
    escaped.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) {
        if (c == '\r' || c == '\n' || c == kAdapterEscape || c == '+')
            escaped += kAdapterEscape;
        escaped += c;
    }
    return escaped;
}

QByteArray AdapterLine(QByteArrayView bytes) { return AdapterEscape(bytes) + '\n'; }

QByteArray AdapterSetup(int address)
{
    return "++mode 1\n++addr " + QByteArray::number(address) + "\n++auto 0\n++eoi 1\n++eos 3\n++read_tmo_ms " +
           QByteArray::number(kReadTimeLimitMs) + "\n";
}

QString IdentifyThroughAdapter(InstrumentLink& link, const AdapterTarget& target)
{
    if (!link.open() || !link.write(AdapterSetup(target.address) + "++ver\n"))
        return PortFailure(link);
    const auto closing = qScopeGuard([&] { link.abort(); });
    if (ReadLine(link).isEmpty())
        return QString("No GPIB-USB adapter answers on %1 (\"++ver\" had no reply).").arg(target.device);
    if (!link.write(AdapterLine("A0?\n") + "++read eoi\n"))
        return PortFailure(link);
    const QByteArray reply = ReadLine(link);
    if (IsInstrumentIdentity(reply))
        return {};
    return QString("No instrument answers at GPIB address %1 of %2%3.")
        .arg(target.address)
        .arg(Where(target), reply.isEmpty() ? QString()
                                            : " (the reply was \"" + QString::fromLatin1(reply.trimmed()) + "\")");
}

LinkOutcome SendAdapterChannel(InstrumentLink& link, const AdapterTarget& target, int channelMode)
{
    if (!link.open() || !link.write(AdapterSetup(target.address) + AdapterLine(ChannelCommand(channelMode) + "\n"))) {
        const QString message = PortFailure(link);
        link.abort();
        return {LinkOutcome::Status::Failed, link.failure(), message};
    }
    if (!link.close())
        return {LinkOutcome::Status::Failed, link.failure(), PortFailure(link)};
    return {};
}

LinkOutcome RunAdapterDownload(InstrumentLink& link, Waiter& waiter, const AdapterTarget& target,
                               const DownloadRequest& request, LinkControl& control)
{
    link.watchCancel(&control.cancel);
    const auto unwatch = qScopeGuard([&] { link.watchCancel(nullptr); });
    if (!link.open() || !link.write(AdapterSetup(target.address))) {
        const QString message = PortFailure(link);
        link.abort();
        return {LinkOutcome::Status::Failed, link.failure(), message};
    }
    const DownloadSteps steps{
        .command = [&](const QByteArray& text) { return link.write(AdapterLine(text + "\n")); },
        .block =
            [&](std::span<const int> codes) {
                QByteArray bytes;
                bytes.reserve(static_cast<qsizetype>(codes.size()) * 2);
                for (int code : codes)
                    bytes += WireBytes(code);
                return link.write(AdapterLine(bytes));
            },
        .cancelled = [&] { link.abort(); },
        .failed = [&](const DownloadCount& count) { return LinkStepFailed(link, count, Where(target)); }};
    LinkOutcome outcome = RunDownload(steps, NiDownloadPlan(), waiter, request, control);
    // The last bytes are delivered before the port closes; a failure to deliver them is no
    // finished download.
    if (outcome.done() && !link.close())
        return {LinkOutcome::Status::Failed, link.failure(), PortFailure(link)};
    return outcome;
}

}  // namespace tlv
