#pragma once

namespace tlv {

class Commands;
class Workspace;

// The Math menu: Invert, Mirror, Absolute, Expand to Fit and the Add, Subtract and Multiply
// dialogs.
void RegisterMathCommands(Workspace& ws, Commands& commands);

}  // namespace tlv
