#pragma once

#include <QString>
#include <memory>

#include "instrument/GpibDriver.h"
#include "instrument/SiclDriver.h"
#include "model/Services.h"
#include "model/WorkspaceParts.h"

// The two IEEE-488 libraries of a run, loaded when first needed, and the close operations that
// end their sessions: at shutdown (as the workspace's LinkCloser) and when the interface dialog
// makes another interface current.
namespace tlv {

class IeeeLinks : public LinkCloser {
public:
    // The libraries are loaded from their usual places (see LinuxGpibDriver, SiclLibrary).
    explicit IeeeLinks(LinkState& link);
    // With drivers of the caller's choice; either may be null, to be loaded when first needed.
    IeeeLinks(LinkState& link, std::unique_ptr<GpibDriver> gpib, std::unique_ptr<SiclDriver> sicl);
    ~IeeeLinks() override;

    GpibDriver& gpib();
    SiclDriver& sicl();

    // The interface dialog made interfaceType current: a ready card of another type is closed.
    // Returns the SICL library's error, empty when there was none.
    QString closeOthers(int interfaceType);

    // Shutdown: a ready NI card (InterfaceType 1) is taken offline; a ready SICL session
    // (InterfaceType 2) is closed and SICL released. An error is written to standard error,
    // as nothing is left to show it.
    void closeInstrumentLink() override;

private:
    LinkState& link_;
    std::unique_ptr<GpibDriver> gpib_;
    std::unique_ptr<SiclDriver> sicl_;
};

}  // namespace tlv
