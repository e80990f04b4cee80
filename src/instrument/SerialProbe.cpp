#include "instrument/SerialSequences.h"

#include "instrument/WireFormat.h"

namespace tlv {

ProbeOutcome ProbeSerial(InstrumentLink& link, Waiter& waiter)
{
    if (!link.open())
        return {ProbeOutcome::Status::PortFailure, {}, PortUnavailable(link)};
    QByteArray reply;
    if (link.write("A0?\r\n") && DelayLong(waiter) && DelayLong(waiter))
        reply = link.read(std::chrono::milliseconds(0));
    // A line that failed while asking is no silent instrument: say what broke.
    if (link.failure() != LinkFailure::None) {
        const QString reason = link.errorString();
        link.abort();
        return {ProbeOutcome::Status::PortFailure, {},
                "The instrument could not be asked: " + reason};
    }
    link.close();
    if (reply.isEmpty())
        return {ProbeOutcome::Status::NoReply, {}, kNoInstrumentMessage};
    return {ProbeOutcome::Status::Found, reply, {}};
}

LinkOutcome SendSerialChannel(InstrumentLink& link, Waiter& waiter, int channelMode)
{
    if (!link.open())
        return {LinkOutcome::Status::Failed, link.failure(),
                link.errorString() + "\nPort is being used by another device"};
    const bool sent = link.write(ChannelCommand(channelMode) + "\r\n") && DelayShort(waiter) &&
                      link.write("A4\r\n") && DelayShort(waiter) && link.close();
    if (sent)
        return {};
    const QString reason = link.errorString();
    link.abort();
    return {LinkOutcome::Status::Failed, link.failure(),
            "The channel could not be set: " + reason};
}

}  // namespace tlv
