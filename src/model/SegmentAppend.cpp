#include "model/SegmentAppend.h"

#include "model/EditTransaction.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

bool AppendSegment(Workspace& ws, double points, const std::function<std::vector<double>(int room)>& volts)
{
    EditState& edit = ws.edit;
    edit.ToolMode = 0;
    ws.commands.setChecked(Cmd::EditSelect, true);
    ws.work.LineChained = 0;
    ws.work.LineAnchorColumn = 0;

    const int start = WritePosition(edit);
    EditTransaction(ws, EditTransaction::Closing::Redraw).SetPointCount(start);
    if (start + points > kLastPoint) {
        ws.prompter->message("Shortage Editing Space ", "TLV", Buttons::Ok, Icon::None);
        return false;
    }
    EditTransaction tx(ws);
    tx.SnapshotForUndo(UndoExtent::ThroughMarker, start);
    tx.WritePoints(start, volts(kMaxPoints - start));
    tx.RefreshPlotFromEditBuffer();
    ws.DrawGrid();
    return true;
}

}  // namespace tlv
