#include "instrument/IeeeLinks.h"

#include <cstdio>

#include "instrument/IeeeSequences.h"
#include "instrument/LinuxGpib.h"
#include "instrument/SiclLibrary.h"

namespace tlv {

IeeeLinks::IeeeLinks(LinkState& link) : link_(link) {}

IeeeLinks::IeeeLinks(LinkState& link, std::unique_ptr<GpibDriver> gpib,
                     std::unique_ptr<SiclDriver> sicl)
    : link_(link), gpib_(std::move(gpib)), sicl_(std::move(sicl))
{
}

IeeeLinks::~IeeeLinks() = default;

GpibDriver& IeeeLinks::gpib()
{
    if (!gpib_) {
        auto driver = std::make_unique<LinuxGpibDriver>();
        // Without the library every call fails as with no board; say why once.
        if (!driver->loaded())
            std::fprintf(stderr, "tolvenar: NI-488.2 calls unavailable: %s\n",
                         qPrintable(driver->loadError()));
        gpib_ = std::move(driver);
    }
    return *gpib_;
}

SiclDriver& IeeeLinks::sicl()
{
    if (!sicl_)
        sicl_ = std::make_unique<SiclLibrary>();
    return *sicl_;
}

QString IeeeLinks::closeOthers(int interfaceType)
{
    if (interfaceType != 1 && link_.GpibReady)
        CloseGpibBoard(gpib(), link_);
    if (interfaceType != 2 && link_.SiclReady)
        return CloseSiclSession(sicl(), link_);
    return {};
}

void IeeeLinks::closeInstrumentLink()
{
    if (link_.InterfaceType == 1 && link_.GpibReady)
        CloseGpibBoard(gpib(), link_);
    if (link_.InterfaceType == 2 && link_.SiclReady) {
        const QString error = CloseSiclSession(sicl(), link_);
        if (!error.isEmpty())
            std::fprintf(stderr, "tolvenar: closing the SICL session: %s\n", qPrintable(error));
    }
}

}  // namespace tlv
