#pragma once

#include "instrument/InterfacePath.h"

namespace tlv {

struct LinkState;

// The serial line: COM1..COM4 at the baud rate chosen in the interface dialog, no parity, 8 data
// bits, 2 stop bits. The port is open only while it probes, sets the channel or downloads.
class SerialPath : public InterfacePath {
public:
    // The probe: "A0?" CR LF, two long waits, and any answer counts.
    bool Identify(Workspace& ws) override;
    // Nothing stays open between conversations.
    void Close(Workspace&) override {}
    bool SendChannel(Workspace& ws, bool channel2) override;
    std::optional<DownloadWork> PrepareDownload(Workspace& ws) override;
};

// Whether the interface dialog has given the line a port and, in this run, a baud rate.
bool SerialConfigured(const LinkState& link);

}  // namespace tlv
