#pragma once

namespace tlv {

class Commands;
class Workspace;

// The Waveforms menu items Sine... to DC and Equation..., and the shape buttons 6..14 of Toolbar2.
void RegisterSynthesisCommands(Workspace& ws, Commands& commands);

}  // namespace tlv
