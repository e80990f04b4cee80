#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "instrument/InstrumentLink.h"
#include "instrument/LinkOutcome.h"
#include "instrument/Waits.h"

// What the program says to the generator over the serial line: the probe of the interface
// dialog, the channel choice and the waveform download. Each opens the link (configured by the
// caller), talks, and leaves it closed, whatever happens. They block; the download is meant to
// run on a worker QThread while its window shows the counts of LinkControl.
namespace tlv {

struct ProbeOutcome {
    enum class Status { Found, NoReply, PortFailure };
    Status status = Status::NoReply;
    QByteArray reply;
    QString message;  // empty when Found
};

// "A0?" CR LF, two long waits, then whatever arrived: Found when anything did.
ProbeOutcome ProbeSerial(InstrumentLink& link, Waiter& waiter);

// "F0" (channelMode 0) or "F1" CR LF, a short wait, "A4" CR LF, a short wait, close.
LinkOutcome SendSerialChannel(InstrumentLink& link, Waiter& waiter, int channelMode);

struct DownloadRequest {
    std::vector<double> volts;  // points 0 up to the last defined one, in volts
    int channelMode = 0;        // 0: channel 1 ("F0"); otherwise channel 2 ("F1")
    QString systemName;         // the operating system's name; "Windows NT" skips the last "A4"
};

// The whole serial download: "A4", the channel, "G0", "V0X", "EE0", "V2" and the count, each
// with CR LF and two short waits before it; two more short waits, the data words, two short
// waits and the close; then (unless the system is "Windows NT") a short wait, the port opened
// again, two long waits, "A4" and the close. The waiter should stop on control.cancel.
LinkOutcome RunSerialDownload(InstrumentLink& link, Waiter& waiter, const DownloadRequest& request,
                              LinkControl& control);

}  // namespace tlv
