#pragma once

// The Edit menu's commands, the drawing tool commands and their registration.
#include <memory>

namespace tlv {

class Commands;
class PlotInputHandler;
class Workspace;

// Copy, Cut and Paste of the internal clipboard.
void CopySelection(Workspace& ws);
void CutSelection(Workspace& ws);
void PasteClipboard(Workspace& ws);
// Clear (the Select All selection, or the selected columns), Clear All and Select All.
void ClearSelection(Workspace& ws);
void ClearAllPoints(Workspace& ws);
void SelectAllPoints(Workspace& ws);
// Undo: restores the snapshot of the last editing command, once.
void UndoLastEdit(Workspace& ws);

// The Free hand and Line tool commands, and Edit Select.
void ChooseFreehand(Workspace& ws);
void ChooseLine(Workspace& ws);
void ToggleEditSelect(Workspace& ws);
// Back to the Marker: ToolMode 0, its button pressed and Edit Select checked.
void PressMarker(Workspace& ws);

// Registers the Edit menu and the tool commands, and installs the mouse tools of the plot
// (ws.mouseTools), which the caller keeps.
std::unique_ptr<PlotInputHandler> RegisterEditingCommands(Workspace& ws, Commands& commands);

}  // namespace tlv
