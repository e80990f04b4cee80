#pragma once

#include <memory>

namespace tlv {

class Commands;
class Instrument;
class Workspace;

// Setting > Configure Interface, Setting > Channel Mode and Operate > Send Waveform (also
// Toolbar1 button 13). The instrument returned closes a ready link at exit (ws.linkCloser) and
// must live as long as the commands.
std::unique_ptr<Instrument> RegisterInstrumentCommands(Workspace& ws, Commands& commands);

}  // namespace tlv
