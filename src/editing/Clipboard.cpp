// Copy, Cut and Paste of the internal clipboard, which keeps its own points and length.
#include <algorithm>
#include <cmath>

#include "editing/EditCommands.h"
#include "editing/Enabling.h"
#include "model/EditTransaction.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

namespace {

// Puts the captured selection on the clipboard.
void FillClipboard(Workspace& ws)
{
    const int length = std::max(ws.edit.SelLast + 1, 0);
    std::fill(ws.work.ClipboardVolts.begin(), ws.work.ClipboardVolts.end(), 0.0);
    std::copy_n(ws.edit.SelVolts.begin(), length, ws.work.ClipboardVolts.begin());
    ws.work.ClipboardLength = length;
    ws.work.ClipboardFull = true;
}

void ClearSelectionBuffers(EditState& edit)
{
    std::fill(edit.SelVolts.begin(), edit.SelVolts.end(), 0.0);
    edit.SelPreview.fill(0.0);
}

int ColumnsOf(int points)
{
    return (points + 31) / 32;
}

}  // namespace

void CopySelection(Workspace& ws)
{
    EditState& edit = ws.edit;
    // Nothing or a single value selected: nothing to copy.
    if (edit.SelLast <= 0)
        return;
    ClearSelectionBuffers(edit);
    const int count = CountEditBuffer(edit);
    // Copy changes no point: it takes the count, the snapshot and the clipboard.
    EditTransaction tx(ws, EditTransaction::Closing::Redraw);
    tx.SetPointCount(count);
    tx.SnapshotForUndo(UndoExtent::ThroughMarker, count);
    ws.CaptureSelection();
    FillClipboard(ws);

    CommandState& state = ws.commands;
    SetUndoEnabled(state, true);
    SetPasteEnabled(state, true);
    SetCutCopyEnabled(state, false);
    state.disable({Cmd::Clear});
    state.disable(Sets::MathItems);
}

void CutSelection(Workspace& ws)
{
    EditState& edit = ws.edit;
    if (edit.SelLast <= 0)
        return;
    ClearSelectionBuffers(edit);
    EditTransaction tx(ws);
    tx.plot().rows.fill(0.0);
    const int count = PointsInEditBuffer(edit);
    // The snapshot takes the marker too, so that Undo gives back every point.
    tx.SnapshotForUndo(UndoExtent::ThroughMarker, count);
    tx.SetPointCount(count - 1);
    ws.CaptureSelection();

    // The points that go to the clipboard are the points removed: the rest moves down over
    // them, and the data ends right after it.
    const int first = static_cast<int>(std::trunc(edit.SelStartPoint));
    const int removed = std::clamp(edit.SelLast + 1, 0, std::max(count - first, 0));
    tx.MovePoints(first + removed, first, count - first - removed);
    tx.EndDataAt(count - removed);
    FillClipboard(ws);

    ws.DrawGrid();
    tx.SetPointCount(PointsInEditBuffer(edit));
    tx.RefreshPlotFromEditBuffer();
    CommandState& state = ws.commands;
    if (edit.SelEndX + 1 >= ColumnsOf(count))
        state.disable({Cmd::Clear, Cmd::ClearAll});
    SetPasteEnabled(state, true);
    tx.finish();
    if (edit.PointCount == 0)
        DisableForEmptyDocument(state);
}

void PasteClipboard(Workspace& ws)
{
    EditState& edit = ws.edit;
    WorkBuffers& work = ws.work;
    if (!work.ClipboardFull || work.ClipboardLength == 0)
        return;
    const int count = PointsInEditBuffer(edit);
    const int length = work.ClipboardLength;
    const bool insert = work.PasteColumn != 0;
    // Refused before anything changes, the snapshot included.
    if (count + length > kMaxPoints) {
        ws.prompter->message(insert ? "Shortage Editing Space" : "Shortage Editing Space ", "TLV",
                             Buttons::Ok, Icon::None);
        return;
    }
    EditTransaction tx(ws, EditTransaction::Closing::CommitAndReplot);
    tx.SnapshotForUndo(UndoExtent::WholeBuffer);
    // Inserting opens one gap at the column's first point (an insertion point right of the
    // curve falls at the end); appending writes after the last point.
    const int at = insert ? std::min(work.PasteColumn * 32, count) : count;
    tx.MovePoints(at, at + length, count - at);
    for (int k = 0; k < length; ++k)
        tx.WritePoint(at + k, work.ClipboardVolts[static_cast<size_t>(k)]);
    tx.EndDataAt(count + length);
    work.PasteColumn = 0;
}

}  // namespace tlv
