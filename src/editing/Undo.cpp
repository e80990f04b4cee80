// Undo: the snapshot of the last editing command back into the edit buffer, once.
#include "editing/EditCommands.h"
#include "editing/Enabling.h"
#include "model/EditTransaction.h"
#include "model/Workspace.h"

namespace tlv {

namespace {

// The last point of the snapshot: just before its marker, else its last non-zero value; a
// full buffer has no marker and keeps all its points.
int LastSnapshotPoint(const EditState& edit)
{
    if (edit.UndoFull)
        return kLastPoint;
    for (int i = kLastPoint; i >= 0; --i) {
        const double v = edit.UndoVolts[static_cast<size_t>(i)];
        if (v == kEndMarker)
            return i - 1;
        if (v != 0)
            return i;
    }
    return -1;
}

}  // namespace

void UndoLastEdit(Workspace& ws)
{
    EditState& edit = ws.edit;
    if (!edit.UndoReady)
        return;
    ws.DrawGrid();
    EditTransaction tx(ws);
    tx.ClearEditBuffer();
    const int last = LastSnapshotPoint(edit);
    tx.WritePoints(0, std::vector<double>(edit.UndoVolts.begin(), edit.UndoVolts.begin() + last + 1));
    tx.RefreshPlotFromEditBuffer();
    CommandState& state = ws.commands;
    if (edit.PointCount == 0)
        DisableForEmptyDocument(state);
    tx.finish();
    DiscardUndo(edit);
    SetUndoEnabled(state, false);
    if (edit.ToolMode != 0) {
        PressMarker(ws);
        ws.work.LineAnchorColumn = 0;
    }
}

}  // namespace tlv
