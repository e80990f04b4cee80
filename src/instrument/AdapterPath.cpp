#include "instrument/AdapterPath.h"

#include "instrument/AdapterSequences.h"
#include "instrument/SerialLink.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

namespace {

// USB adapters take any rate; this one keeps a line of ours from outrunning a slow adapter.
const QString kAdapterLine = QStringLiteral("115200,n,8,1");

void Configure(SerialLink& link, const LinkState& state)
{
    link.setDevice(state.AdapterDevice);
    link.setSettings(kAdapterLine);
}

AdapterTarget TargetOf(const LinkState& state) { return {state.AdapterDevice, state.AdapterAddress}; }

}  // namespace

bool AdapterPath::Identify(Workspace& ws)
{
    SerialLink link;
    Configure(link, ws.link);
    const QString failure = IdentifyThroughAdapter(link, TargetOf(ws.link));
    if (!failure.isEmpty())
        ws.prompter->message(failure, "TLV", Buttons::Ok, Icon::Exclamation);
    return failure.isEmpty();
}

bool AdapterPath::SendChannel(Workspace& ws, bool channel2)
{
    SerialLink link;
    Configure(link, ws.link);
    const LinkOutcome outcome = SendAdapterChannel(link, TargetOf(ws.link), channel2 ? 1 : 0);
    if (!outcome.done())
        ws.prompter->message(outcome.message, "TLV", Buttons::Ok, Icon::Exclamation);
    return outcome.done();
}

std::optional<DownloadWork> AdapterPath::PrepareDownload(Workspace& ws)
{
    // The link is made on the download's thread, where its port lives.
    return [state = ws.link](const DownloadRequest& request, LinkControl& control) {
        SerialLink link;
        Configure(link, state);
        SteadyWaiter waiter(&control.cancel);
        return RunAdapterDownload(link, waiter, TargetOf(state), request, control);
    };
}

}  // namespace tlv
