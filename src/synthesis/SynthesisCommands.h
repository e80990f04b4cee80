#pragma once

namespace tlv {

class Commands;
class Workspace;

// The Waveforms menu items Sine... to DC and Equation..., the shape buttons 6..14 of Toolbar2, and
// the Math menu's Add, Subtract and Multiply dialogs.
void RegisterSynthesisCommands(Workspace& ws, Commands& commands);

}  // namespace tlv
