#include "instrument/IeeePaths.h"

#include "instrument/IeeeSequences.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

namespace {

void Tell(Workspace& ws, const QString& text, Icon icon)
{
    ws.prompter->message(text, "TLV", Buttons::Ok, icon);
}

// The identification has reported any failed call itself; this says what it came to.
bool Found(Workspace& ws, bool found)
{
    if (!found)
        Tell(ws, kNoInstrumentMessage, Icon::Exclamation);
    return found;
}

bool Sent(Workspace& ws, const LinkOutcome& outcome)
{
    if (!outcome.done())
        Tell(ws, outcome.message, outcome.icon);
    return outcome.done();
}

}  // namespace

bool NiPath::Identify(Workspace& ws)
{
    SteadyWaiter waiter;
    return Found(ws, IdentifyNi(links_.gpib(), waiter, ws.link, *ws.prompter));
}

void NiPath::Close(Workspace& ws)
{
    CloseGpibBoard(links_.gpib(), ws.link);
}

bool NiPath::SendChannel(Workspace& ws, bool channel2)
{
    return Sent(ws, SendGpibChannel(links_.gpib(), ws.link, channel2 ? 1 : 0));
}

std::optional<DownloadWork> NiPath::PrepareDownload(Workspace& ws)
{
    // The work runs on its own thread: it reads a copy of the link, never the workspace.
    return [&driver = links_.gpib(), link = ws.link](const DownloadRequest& request,
                                                     LinkControl& control) {
        SteadyWaiter waiter(&control.cancel);
        return RunNiDownload(driver, waiter, link, request, control);
    };
}

bool SiclPath::Identify(Workspace& ws)
{
    SteadyWaiter waiter;
    return Found(ws, IdentifySicl(links_.sicl(), waiter, ws.link, *ws.prompter));
}

void SiclPath::Close(Workspace& ws)
{
    const QString error = CloseSiclSession(links_.sicl(), ws.link);
    if (!error.isEmpty())
        Tell(ws, error, Icon::Critical);
}

bool SiclPath::SendChannel(Workspace& ws, bool channel2)
{
    return Sent(ws, SendSiclChannel(links_.sicl(), ws.link, channel2 ? 1 : 0));
}

std::optional<DownloadWork> SiclPath::PrepareDownload(Workspace& ws)
{
    return [&driver = links_.sicl(), link = ws.link](const DownloadRequest& request,
                                                     LinkControl& control) {
        SteadyWaiter waiter(&control.cancel);
        return RunSiclDownload(driver, waiter, link, request, control);
    };
}

void SiclPath::DownloadEnded(Workspace& ws, const LinkOutcome& outcome)
{
    if (SiclSessionClosed(outcome))
        ws.link.SiclReady = false;
}

}  // namespace tlv
