#include "editing/MathCommands.h"

#include "commands/Commands.h"
#include "editing/Transforms.h"
#include "model/Workspace.h"
#include "synthesis/CombineForm.h"

namespace tlv {

void RegisterMathCommands(Workspace& ws, Commands& commands)
{
    commands.add(Cmd::Invert, [&ws] { Invert(ws); });
    commands.add(Cmd::Mirror, [&ws] { Mirror(ws); });
    commands.add(Cmd::Absolute, [&ws] { Absolute(ws); });
    commands.add(Cmd::Expand, [&ws] { ExpandToFit(ws); });
    commands.add(Cmd::Add, [&ws] { OpenCombineDialog(ws, CombineOperation::Add); });
    commands.add(Cmd::Subtract, [&ws] { OpenCombineDialog(ws, CombineOperation::Subtract); });
    commands.add(Cmd::Multiply, [&ws] { OpenCombineDialog(ws, CombineOperation::Multiply); });
}

}  // namespace tlv
