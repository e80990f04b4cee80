#pragma once

namespace tlv {

class Commands;
class Workspace;

// The Math menu's transforms: Invert, Mirror, Absolute and Expand to Fit. Its Add, Subtract
// and Multiply dialogs are the synthesis commands'.
void RegisterMathCommands(Workspace& ws, Commands& commands);

}  // namespace tlv
