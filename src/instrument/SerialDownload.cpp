#include "instrument/SerialSequences.h"
#include "instrument/WireFormat.h"

namespace tlv {

namespace {

// One download's conversation: every step either goes through or stops the download with the
// reason, leaving the link closed.
class SerialDownload {
public:
    SerialDownload(InstrumentLink& link, Waiter& waiter, LinkControl& control)
        : link_(link), waiter_(waiter), control_(control)
    {
        link_.watchCancel(&control_.cancel);
    }
    ~SerialDownload() { link_.watchCancel(nullptr); }

    bool waitShort(int times)
    {
        for (int i = 0; i < times; ++i)
            if (!DelayShort(waiter_))
                return false;
        return true;
    }
    bool waitLong(int times)
    {
        for (int i = 0; i < times; ++i)
            if (!DelayLong(waiter_))
                return false;
        return true;
    }
    bool command(const QByteArray& text) { return link_.write(text + "\r\n"); }
    bool sendValues(const std::vector<int>& codes)
    {
        for (int code : codes) {
            if (control_.cancel.load() || !link_.write(WireBytes(code)))
                return false;
            ++control_.sent;
        }
        return true;
    }

    // The data is on the line and the port closed behind it; only the closing "A4" is left.
    void markDelivered() { delivered_ = true; }

    // Why the download stopped, told in terms of what the instrument got.
    LinkOutcome stopped()
    {
        const QString reason = link_.errorString();
        const LinkFailure failure = link_.failure();
        link_.abort();
        const int sent = control_.sent.load();
        const int total = control_.total.load();
        if (control_.cancel.load() || failure == LinkFailure::Cancelled) {
            return {LinkOutcome::Status::Cancelled, LinkFailure::Cancelled,
                    delivered_ ? QString("The download was cancelled after the waveform was "
                                           "sent, before its closing command.")
                                 : QString("The download was cancelled after %1 of %2 values. "
                                           "The instrument did not receive the whole waveform.")
                                       .arg(sent)
                                       .arg(total)};
        }
        return {LinkOutcome::Status::Failed, failure,
                delivered_ ? QString("The waveform was sent, but the download could not "
                                       "finish: %1.")
                                   .arg(reason)
                             : QString("The download stopped after %1 of %2 values: %3. The "
                                       "instrument did not receive the whole waveform.")
                                   .arg(sent)
                                   .arg(total)
                                   .arg(reason)};
    }

private:
    InstrumentLink& link_;
    Waiter& waiter_;
    LinkControl& control_;
    bool delivered_ = false;
};

}  // namespace

LinkOutcome RunSerialDownload(InstrumentLink& link, Waiter& waiter, const DownloadRequest& request,
                              LinkControl& control)
{
    // The codes are made before the port opens; the bytes on the line are the same.
    const std::vector<int> codes = PrepareValues(request.volts);
    control.sent = 0;
    control.total = static_cast<int>(codes.size());
    SerialDownload d(link, waiter, control);

    if (!link.open())
        return {LinkOutcome::Status::Failed, link.failure(), PortUnavailable(link)};
    if (!d.waitShort(1))
        return d.stopped();
    for (const QByteArray& text : {QByteArray("A4"), ChannelCommand(request.channelMode),
                                   QByteArray("G0"), QByteArray("V0X"), QByteArray("EE0"),
                                   LengthCommand(control.total)}) {
        if (!d.waitShort(2) || !d.command(text))
            return d.stopped();
    }
    if (!d.waitShort(2) || !d.sendValues(codes))
        return d.stopped();
    if (!d.waitShort(2) || !link.close())
        return d.stopped();
    d.markDelivered();
    if (request.systemName == "Windows NT")
        return {};
    // Systems other than NT end the download with "A4" on a freshly opened port.
    if (!d.waitShort(1) || !link.open() || !d.waitLong(2) || !d.command("A4") || !link.close())
        return d.stopped();
    return {};
}

}  // namespace tlv
