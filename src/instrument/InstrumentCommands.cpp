#include "instrument/InstrumentCommands.h"

#include "commands/Commands.h"
#include "instrument/ChannelForm.h"
#include "instrument/Instrument.h"
#include "instrument/InterfaceForm.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

std::unique_ptr<Instrument> RegisterInstrumentCommands(Workspace& ws, Commands& commands)
{
    auto instrument = std::make_unique<Instrument>(ws);
    instrument->useIeeeCards();
    Instrument& link = *instrument;
    commands.add(Cmd::Configure, [&ws, &link] {
        ws.edit.DrawSuspended = true;
        InterfaceForm form(ws, link);
        ws.prompter->runModal(form);
    });
    commands.add(Cmd::Channel, [&ws, &link] {
        ChannelForm form(ws, link);
        ws.prompter->runModal(form);
    });
    commands.add(Cmd::Send, [&link] { link.SendWaveform(); });
    ws.linkCloser = instrument.get();
    return instrument;
}

}  // namespace tlv
