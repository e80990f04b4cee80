#pragma once

#include "instrument/IeeeLinks.h"
#include "instrument/InterfacePath.h"

namespace tlv {

// The NI card through the NI-488.2 calls of the run's IeeeLinks.
class NiPath : public InterfacePath {
public:
    explicit NiPath(IeeeLinks& links) : links_(links) {}
    bool Identify(Workspace& ws) override;
    void Close(Workspace& ws) override;
    bool SendChannel(Workspace& ws, bool channel2) override;
    std::optional<DownloadWork> PrepareDownload(Workspace& ws) override;

private:
    IeeeLinks& links_;
};

// The Agilent card through the SICL library of the run's IeeeLinks.
class SiclPath : public InterfacePath {
public:
    explicit SiclPath(IeeeLinks& links) : links_(links) {}
    bool Identify(Workspace& ws) override;
    void Close(Workspace& ws) override;
    bool SendChannel(Workspace& ws, bool channel2) override;
    std::optional<DownloadWork> PrepareDownload(Workspace& ws) override;
    // A command the library refused closed the session: the card is no longer ready.
    void DownloadEnded(Workspace& ws, const LinkOutcome& outcome) override;

private:
    IeeeLinks& links_;
};

}  // namespace tlv
