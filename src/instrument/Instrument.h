#pragma once

#include <QString>
#include <array>
#include <memory>

#include "instrument/IeeeLinks.h"
#include "instrument/InterfacePath.h"
#include "model/Services.h"

namespace tlv {

class Workspace;

// The instrument as the dialogs and Send Waveform reach it: one path per interface type, and
// the rules the paths share. The serial path is built in; the IEEE-488 cards plug in with
// setPath. A card without a path is reported as not available.
class Instrument : public LinkCloser {
public:
    enum Interface { Serial = 0, NiCard = 1, AgilentCard = 2, UsbAdapter = 3 };

    explicit Instrument(Workspace& ws);

    void setPath(int interfaceType, std::unique_ptr<InterfacePath> path);
    // Plugs in both IEEE-488 cards, through libraries loaded when first needed.
    void useIeeeCards();
    InterfacePath* path(int interfaceType) const;
    // The option's caption in the interface dialog ("National Instrument IEEE-488 Card").
    static QString InterfaceName(int interfaceType);

    // The interface dialog's OK: looks for the instrument on that interface and, when it is
    // found, closes the card that was ready before and makes the interface current.
    bool Identify(int interfaceType);
    // The channel dialog's OK on the current interface; true when the channel was sent.
    bool SendChannel(bool channel2);
    // Send Waveform: the active waveform to the current interface, under the progress window.
    void SendWaveform();

    // At exit: takes a ready card offline.
    void closeInstrumentLink() override;

private:
    bool* readyFlag(int interfaceType) const;
    void closeReadyCards(int except);

    Workspace& ws_;
    // Before the paths, which keep a reference to it.
    IeeeLinks ieee_;
    std::array<std::unique_ptr<InterfacePath>, 4> paths_;
};

// The download's values (points 0 up to the last defined one), channel and system name.
DownloadRequest MakeDownloadRequest(const Workspace& ws);

}  // namespace tlv
