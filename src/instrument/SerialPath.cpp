#include "instrument/SerialPath.h"

#include "instrument/SerialLink.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

namespace {

// The serial-port control as the interface dialog left it: its port and settings text.
bool Configure(SerialLink& link, const LinkState& state, QString* error)
{
    link.setPortNumber(state.ComPortNo);
    link.setDevice(state.SerialDevice);
    if (link.setSettings(SerialSettingsText(state.ComBaudText)))
        return true;
    *error = link.errorString();
    return false;
}

void Tell(Workspace& ws, const QString& text, Icon icon)
{
    ws.prompter->message(text, "TLV", Buttons::Ok, icon);
}

// Configures the link, telling the user when the settings text is refused.
bool ConfigureOrTell(Workspace& ws, SerialLink& link)
{
    QString error;
    if (Configure(link, ws.link, &error))
        return true;
    Tell(ws, error, Icon::Exclamation);
    return false;
}

// The line must be configured before the channel or a download goes out on it.
bool CheckConfigured(Workspace& ws)
{
    if (SerialConfigured(ws.link))
        return true;
    Tell(ws, kSerialUnsetMessage, Icon::None);
    return false;
}

}  // namespace

bool SerialConfigured(const LinkState& link)
{
    return !link.ComBaudText.isEmpty() && (link.ComPortNo != 0 || !link.SerialDevice.isEmpty());
}

bool SerialPath::Identify(Workspace& ws)
{
    SerialLink link;
    if (!ConfigureOrTell(ws, link))
        return false;
    SteadyWaiter waiter;
    const ProbeOutcome probe = ProbeSerial(link, waiter);
    switch (probe.status) {
    case ProbeOutcome::Status::Found: return true;
    case ProbeOutcome::Status::NoReply: Tell(ws, probe.message, Icon::Exclamation); break;
    case ProbeOutcome::Status::PortFailure:
        Tell(ws, probe.message,
             probe.message.startsWith(kPortUnavailableMessage) ? Icon::None : Icon::Exclamation);
        break;
    }
    return false;
}

bool SerialPath::SendChannel(Workspace& ws, bool channel2)
{
    if (!CheckConfigured(ws))
        return false;
    SerialLink link;
    if (!ConfigureOrTell(ws, link))
        return false;
    SteadyWaiter waiter;
    const LinkOutcome outcome = SendSerialChannel(link, waiter, channel2 ? 1 : 0);
    if (!outcome.done())
        Tell(ws, outcome.message, Icon::None);
    return outcome.done();
}

std::optional<DownloadWork> SerialPath::PrepareDownload(Workspace& ws)
{
    if (!CheckConfigured(ws))
        return std::nullopt;
    // The link is made on the download's thread, where its port lives.
    return [state = ws.link](const DownloadRequest& request, LinkControl& control) {
        SerialLink link;
        QString error;
        if (!Configure(link, state, &error))
            return LinkOutcome{LinkOutcome::Status::Failed, LinkFailure::CannotOpen, error};
        SteadyWaiter waiter(&control.cancel);
        return RunSerialDownload(link, waiter, request, control);
    };
}

}  // namespace tlv
