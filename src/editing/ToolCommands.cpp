// The drawing tool commands (Free hand, Line) and Edit Select.
#include <algorithm>
#include <cmath>

#include "editing/EditCommands.h"
#include "editing/Enabling.h"
#include "model/EditTransaction.h"
#include "model/Workspace.h"

namespace tlv {

namespace {

// Where the write-back of the coming strokes starts: the column of a point count, lowered to
// an even column.
int16_t EvenColumnOf(double points)
{
    int column = static_cast<int>(std::floor(points / (16383.0 / 512.0)));
    if (column % 2 != 0)
        --column;
    return static_cast<int16_t>(column);
}

// What both drawing tools do first: their button, the snapshot the strokes can be undone to,
// and the commands a stroke in progress does not offer.
void StartDrawingTool(Workspace& ws, int button)
{
    CommandState& state = ws.commands;
    state.setButtonPressed(2, button, true);
    SetUndoEnabled(state, false);
    SetCutCopyEnabled(state, false);
    SetPasteEnabled(state, false);
    EditTransaction(ws, EditTransaction::Closing::Redraw).SnapshotForUndo(UndoExtent::WholeBuffer);
    state.setEnabled(Cmd::Expand, true);
    state.setChecked(Cmd::EditSelect, false);
}

}  // namespace

void ChooseFreehand(Workspace& ws)
{
    StartDrawingTool(ws, Tb2::FreeHand);
    ws.tools.EditFromColumn = EvenColumnOf(ws.edit.PointCount);
    ws.edit.ToolMode = 1;
    ws.work.LineChained = 0;
    ws.work.LineAnchorColumn = 0;
    ws.DrawGrid();
    ws.RebuildPlotCache();
}

void ChooseLine(Workspace& ws)
{
    StartDrawingTool(ws, Tb2::Line);
    ws.tools.EditFromColumn = EvenColumnOf(ws.edit.PointCount - 1);
    ws.edit.ToolMode = 2;
    // The columns of the waveform's own points; the end marker is no point.
    EditTransaction(ws, EditTransaction::Closing::Redraw).RefreshPlotFromEditBuffer();
    const int lastFilled = std::max(ws.edit.PlotColumn - 1, 0);
    if (ws.tools.EditFromColumn <= lastFilled)
        ws.tools.EditFromColumn = static_cast<int16_t>(lastFilled);
    ws.work.LineAnchorColumn = ws.tools.EditFromColumn;
    ws.DrawGrid();
}

void PressMarker(Workspace& ws)
{
    ws.edit.ToolMode = 0;
    ws.commands.setButtonPressed(2, Tb2::Marker, true);
    ws.commands.setChecked(Cmd::EditSelect, true);
}

void ToggleEditSelect(Workspace& ws)
{
    CommandState& state = ws.commands;
    if (!state.isChecked(Cmd::EditSelect)) {
        PressMarker(ws);
        return;
    }
    for (int tool : {Tb2::Marker, Tb2::FreeHand, Tb2::Line})
        state.setButtonPressed(2, tool, false);
    state.setChecked(Cmd::EditSelect, false);
}

}  // namespace tlv
