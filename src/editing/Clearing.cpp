// Clear, Clear All and Select All.
#include <algorithm>

#include "editing/EditCommands.h"
#include "editing/Enabling.h"
#include "model/EditTransaction.h"
#include "model/Workspace.h"

namespace tlv {

void ClearSelection(Workspace& ws)
{
    EditState& edit = ws.edit;
    const int count = PointsInEditBuffer(edit);
    EditTransaction tx(ws, EditTransaction::Closing::CommitAndReplot);
    tx.SetPointCount(std::max(count - 1, 0));
    tx.SnapshotForUndo(UndoExtent::WholeBuffer);
    ws.CaptureSelection();

    if (ws.work.SelectAllActive) {
        tx.ClearEditBuffer(count);
        tx.finish();
        DisableForEmptyDocument(ws.commands);
        ws.work.SelectAllActive = false;
        return;
    }

    // Column by column: the columns between the two edge columns go (from column 0 when the
    // selection starts there), and a selection of every column takes the whole waveform.
    const int columns = (count + 31) / 32;
    int from = 0;
    int to = count;
    if (edit.SelStartX != 0 || edit.SelEndX + 1 < columns) {
        from = edit.SelStartX == 0 ? 0 : (edit.SelStartX + 1) * 32;
        to = std::min(edit.SelEndX * 32, count);
    }
    if (from < to) {
        tx.MovePoints(to, from, count - to);
        tx.EndDataAt(count - (to - from));
    }
    if (edit.SelStartX == 0)
        edit.SelStartX = 1;
    tx.finish();
    if (edit.PointCount == 0)
        DisableForEmptyDocument(ws.commands);
}

void ClearAllPoints(Workspace& ws)
{
    EditTransaction tx(ws);
    tx.SnapshotForUndo(UndoExtent::WholeBuffer);
    tx.ClearEditBuffer();
    tx.SetPlotCache({});
    tx.finish();
    DisableForEmptyDocument(ws.commands);
    ws.DrawGrid();
}

void SelectAllPoints(Workspace& ws)
{
    EditState& edit = ws.edit;
    ws.DrawGrid();
    ws.RebuildPlotCache();
    ws.work.SelectAllActive = true;
    CommandState& state = ws.commands;
    SetCutCopyEnabled(state, true);
    state.enable({Cmd::Clear});
    state.enable(Sets::MathItems);
    edit.SelLast = static_cast<int16_t>(edit.PointCount - 1);
    edit.SelStartX = 0;
    edit.SelEndX = static_cast<int16_t>(edit.PlotColumn - 1);
    ws.tools.SelectionShown = true;
}

}  // namespace tlv
