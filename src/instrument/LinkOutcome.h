#pragma once

#include <QString>
#include <atomic>

#include "instrument/InstrumentLink.h"
#include "model/Prompter.h"

// How a conversation with the instrument ended, and what the user is told about it.
namespace tlv {

// The message for a port that cannot be opened.
inline const QString kPortUnavailableMessage =
    "Port is not Supported or is being used by another device";
// The same, with the device and the system's reason on a line of their own.
inline QString PortUnavailable(const InstrumentLink& link)
{
    return kPortUnavailableMessage + '\n' + link.errorString();
}
inline const QString kNoInstrumentMessage = "No instruments found.";
// The serial line has no port or no baud rate chosen in this run.
inline const QString kSerialUnsetMessage = "Setting Serial Port or Baud Rate ";
// An IEEE-488 card is current but no instrument was identified on it.
inline const QString kNoCardChannelMessage = "Not GPIB Setting";
inline const QString kNoCardDownloadMessage = "Select an Interface Type";

struct LinkOutcome {
    enum class Status { Done, Cancelled, Failed };
    Status status = Status::Done;
    LinkFailure failure = LinkFailure::None;
    QString message;  // empty when Done
    Icon icon = Icon::None;  // the message box's icon (the IEEE-488 error report is critical)

    bool done() const { return status == Status::Done; }
};

// Shared between the thread that runs a download and the window that shows it: the window sets
// cancel and reads the counts whenever it repaints.
struct LinkControl {
    std::atomic<bool> cancel{false};
    std::atomic<int> sent{0};   // values sent so far
    std::atomic<int> total{0};  // values this download sends
};

}  // namespace tlv
