#include "editing/MathCommands.h"

#include "commands/Commands.h"
#include "editing/Transforms.h"
#include "model/Workspace.h"

namespace tlv {

void RegisterMathCommands(Workspace& ws, Commands& commands)
{
    commands.add(Cmd::Invert, [&ws] { Invert(ws); });
    commands.add(Cmd::Mirror, [&ws] { Mirror(ws); });
    commands.add(Cmd::Absolute, [&ws] { Absolute(ws); });
    commands.add(Cmd::Expand, [&ws] { ExpandToFit(ws); });
}

}  // namespace tlv
