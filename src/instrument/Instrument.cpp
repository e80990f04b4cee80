#include "instrument/Instrument.h"

#include "instrument/DownloadProgress.h"
#include "instrument/IeeePaths.h"
#include "instrument/AdapterPath.h"
#include "instrument/SerialPath.h"
#include "model/EditPath.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

Instrument::Instrument(Workspace& ws) : ws_(ws), ieee_(ws.link)
{
    paths_[Serial] = std::make_unique<SerialPath>();
    paths_[UsbAdapter] = std::make_unique<AdapterPath>();
}

void Instrument::setPath(int interfaceType, std::unique_ptr<InterfacePath> path)
{
    paths_.at(static_cast<size_t>(interfaceType)) = std::move(path);
}

void Instrument::useIeeeCards()
{
    setPath(NiCard, std::make_unique<NiPath>(ieee_));
    setPath(AgilentCard, std::make_unique<SiclPath>(ieee_));
}

InterfacePath* Instrument::path(int interfaceType) const
{
    if (interfaceType < Serial || interfaceType > UsbAdapter)
        return nullptr;
    return paths_[static_cast<size_t>(interfaceType)].get();
}

QString Instrument::InterfaceName(int interfaceType)
{
    switch (interfaceType) {
    case Serial: return "RS-232";
    case NiCard: return "National Instrument IEEE-488 Card";
    case AgilentCard: return "Agilent IEEE-488 Card";
    case UsbAdapter: return "GPIB-USB adapter";
    }
    return {};
}

bool* Instrument::readyFlag(int interfaceType) const
{
    switch (interfaceType) {
    case NiCard: return &ws_.link.GpibReady;
    case AgilentCard: return &ws_.link.SiclReady;
    case UsbAdapter: return &ws_.link.AdapterReady;
    }
    return nullptr;
}

void Instrument::closeReadyCards(int except)
{
    for (int card : {NiCard, AgilentCard, UsbAdapter}) {
        bool* ready = readyFlag(card);
        if (card == except || !*ready)
            continue;
        if (InterfacePath* p = path(card))
            p->Close(ws_);
        *ready = false;
    }
}

bool Instrument::Identify(int interfaceType)
{
    InterfacePath* p = path(interfaceType);
    if (!p) {
        ws_.prompter->message("The " + InterfaceName(interfaceType) + " is not available.", "TLV",
                              Buttons::Ok, Icon::Exclamation);
        return false;
    }
    const bool found = p->Identify(ws_);
    if (bool* ready = readyFlag(interfaceType))
        *ready = found;
    if (!found)
        return false;
    closeReadyCards(interfaceType);
    ws_.link.InterfaceType = interfaceType;
    return true;
}

bool Instrument::SendChannel(bool channel2)
{
    const int type = ws_.link.InterfaceType;
    if (bool* ready = readyFlag(type); ready && !*ready) {
        ws_.prompter->message(kNoCardChannelMessage, "TLV", Buttons::Ok, Icon::None);
        return false;
    }
    InterfacePath* p = path(type);
    return p && p->SendChannel(ws_, channel2);
}

DownloadRequest MakeDownloadRequest(const Workspace& ws)
{
    const int count = PointsInEditBuffer(ws.edit);
    const double* values = ws.edit.WaveText.values();
    return {std::vector<double>(values, values + count), ws.link.ChannelMode ? 1 : 0,
            ws.OsVersionText[2]};
}

void Instrument::SendWaveform()
{
    ws_.SetDownloadReport({});
    const int type = ws_.link.InterfaceType;
    if (bool* ready = readyFlag(type); ready && !*ready) {
        ws_.prompter->message(kNoCardDownloadMessage, "TLV", Buttons::Ok, Icon::None);
        return;
    }
    InterfacePath* p = path(type);
    if (!p)
        return;
    std::optional<DownloadWork> work = p->PrepareDownload(ws_);
    if (!work)
        return;
    DownloadProgress progress(std::move(*work), MakeDownloadRequest(ws_));
    ws_.prompter->showDownload(progress);
    const LinkOutcome& outcome = progress.outcome();
    p->DownloadEnded(ws_, outcome);
    ws_.SetDownloadReport(progress.deliveredText());
    if (outcome.done() || outcome.message.isEmpty())
        return;
    // The path's own icon when it gave one (the IEEE-488 error report is critical).
    const Icon icon = outcome.icon != Icon::None                            ? outcome.icon
                      : outcome.status == LinkOutcome::Status::Cancelled ? Icon::Information
                      : outcome.failure == LinkFailure::CannotOpen  ? Icon::None
                                                                     : Icon::Exclamation;
    ws_.prompter->message(outcome.message, "TLV", Buttons::Ok, icon);
}

void Instrument::closeInstrumentLink()
{
    closeReadyCards(-1);
}

}  // namespace tlv
