#include "commands/Commands.h"
#include "editing/EditCommands.h"
#include "editing/MouseTools.h"
#include "model/Workspace.h"

namespace tlv {

std::unique_ptr<PlotInputHandler> RegisterEditingCommands(Workspace& ws, Commands& commands)
{
    commands.add(Cmd::Undo, [&ws] { UndoLastEdit(ws); });
    commands.add(Cmd::Cut, [&ws] { CutSelection(ws); });
    commands.add(Cmd::Copy, [&ws] { CopySelection(ws); });
    commands.add(Cmd::Paste, [&ws] { PasteClipboard(ws); });
    commands.add(Cmd::Clear, [&ws] { ClearSelection(ws); });
    commands.add(Cmd::ClearAll, [&ws] { ClearAllPoints(ws); });
    commands.add(Cmd::EditSelect, [&ws] { ToggleEditSelect(ws); });
    commands.add(Cmd::SelectAll, [&ws] { SelectAllPoints(ws); });
    commands.add(Cmd::Freehand, [&ws] { ChooseFreehand(ws); });
    commands.add(Cmd::Line, [&ws] { ChooseLine(ws); });
    auto tools = std::make_unique<MouseTools>(ws);
    ws.mouseTools = tools.get();
    return tools;
}

}  // namespace tlv
