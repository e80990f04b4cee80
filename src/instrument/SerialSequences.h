#pragma once

#include <QByteArray>
#include <QString>

#include "instrument/DownloadSequence.h"
#include "instrument/InstrumentLink.h"

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

// What a download over the link tells when a step did not go through: cancelled, or the link's
// reason (with where, when given, after it) and how far the download got. The link is closed.
LinkOutcome LinkStepFailed(InstrumentLink& link, const DownloadCount& count, const QString& where = {});

// The download on the serial line, with "V0X" after "G0", commands ending in CR LF; the port is
// closed after the data and (unless the system is "Windows NT") opened again for the closing
// "A4". The waiter should stop on control.cancel.
LinkOutcome RunSerialDownload(InstrumentLink& link, Waiter& waiter, const DownloadRequest& request,
                              LinkControl& control);

}  // namespace tlv
