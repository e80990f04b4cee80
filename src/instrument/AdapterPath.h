#pragma once

#include "instrument/InterfacePath.h"

namespace tlv {

// The GPIB-USB adapter on a serial device: its port is open only while it identifies, sets the
// channel or downloads, as the serial line's is.
class AdapterPath : public InterfacePath {
public:
    bool Identify(Workspace& ws) override;
    void Close(Workspace&) override {}
    bool SendChannel(Workspace& ws, bool channel2) override;
    std::optional<DownloadWork> PrepareDownload(Workspace& ws) override;
};

}  // namespace tlv
