#pragma once

#include <functional>
#include <optional>

#include "instrument/LinkOutcome.h"
#include "instrument/SerialSequences.h"

namespace tlv {

class Workspace;

// A download's conversation with the instrument, run on the download's own thread: it gets the
// values and channel made on the user-interface thread and counts its progress in control. It
// must not touch the workspace.
using DownloadWork = std::function<LinkOutcome(const DownloadRequest&, LinkControl&)>;

// What the interface dialog, the channel dialog and the download do on one interface: the serial
// line (InterfaceType 0), the NI card (1) or the Agilent card (2). Instrument picks the path and
// does what the paths share: it sets GpibReady or SiclReady from a card's Identify, makes the
// interface current, closes the card that was ready before, and asks a card for the channel or a
// download only while it is ready ("Not GPIB Setting", "Select an Interface Type" otherwise).
class InterfacePath {
public:
    virtual ~InterfacePath() = default;

    // The interface dialog's OK with this interface chosen: looks for the instrument. False after
    // telling the user why ("No instruments found." and whatever the interface reports); the
    // dialog then stays open.
    virtual bool Identify(Workspace& ws) = 0;
    // Takes a ready interface offline (at exit, or when another interface becomes current).
    virtual void Close(Workspace& ws) = 0;
    // The channel dialog's OK: sends "F0" (channel 1) or "F1" (channel 2). False after telling
    // the user why not; the dialog then stays open.
    virtual bool SendChannel(Workspace& ws, bool channel2) = 0;
    // Send Waveform: the work to run, or nothing after telling the user why it cannot start.
    virtual std::optional<DownloadWork> PrepareDownload(Workspace& ws) = 0;
    // Back on the user-interface thread when the work has ended, before its message is shown (a
    // card whose session a failed command closed clears its ready flag here).
    virtual void DownloadEnded(Workspace&, const LinkOutcome&) {}
};

}  // namespace tlv
