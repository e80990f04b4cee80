// The Marker: a press sets a marker or an insertion point, a drag widens the band, the release
// captures the selection and offers the commands that fit it.
#include <algorithm>

#include "editing/Enabling.h"
#include "editing/MouseTools.h"
#include "model/EditPath.h"
#include "model/Workspace.h"

namespace tlv {

void MouseTools::markerPress(int column, int filled)
{
    EditState& edit = ws_.edit;
    CommandState& state = ws_.commands;
    column = std::clamp(column, 0, kPlotWidth);
    ws_.DrawGrid();
    // The band may run up to the column count.
    lastColumn() = filled;

    if (edit.PlotY[static_cast<size_t>(column)] == 0 && column > filled) {
        // Right of the curve: an insertion point at the end.
        edit.SelStartX = static_cast<int16_t>(filled);
        edit.SelEndX = static_cast<int16_t>(filled - 1);
        ws_.tools.SelectionShown = false;
        SetCutCopyEnabled(state, false);
        state.disable({Cmd::Clear});
        state.disable(Sets::MathItems);
        SetPasteEnabled(state, ws_.work.ClipboardFull);
        return;
    }
    edit.SelStartX = edit.SelEndX = static_cast<int16_t>(column);
    ws_.tools.SelectionShown = true;
    SetCutCopyEnabled(state, false);
}

void MouseTools::markerMove(int column)
{
    column = std::max(column, 0);
    if (column >= lastColumn() || column == ws_.edit.SelEndX)
        return;
    ws_.edit.SelEndX = static_cast<int16_t>(column);
    ws_.tools.SelectionShown = true;
}

void MouseTools::markerRelease(int column)
{
    EditState& edit = ws_.edit;
    CommandState& state = ws_.commands;
    column = std::clamp(column, 0, kPlotWidth);
    edit.SelEndX = static_cast<int16_t>(column);
    ws_.CaptureSelection();

    const bool hasPoints = PointsInEditBuffer(edit) > 0;
    const bool clipboard = ws_.work.ClipboardFull;
    // Nothing captured (right of the curve, an empty document), two values, or one column
    // clicked while the clipboard holds points: an insertion point, where only Paste fits.
    const bool insertion = edit.SelLast < 0 || edit.SelLast == 1 ||
                           (edit.SelStartX == edit.SelEndX && clipboard);
    if (insertion) {
        SetCutCopyEnabled(state, false);
        SetPasteEnabled(state, hasPoints && clipboard);
        state.setEnabled(Cmd::ClearAll, hasPoints);
    } else if (column < lastColumn()) {
        SetCutCopyEnabled(state, true);
        SetPasteEnabled(state, false);
    } else if (lastColumn() == 0) {
        SetCutCopyEnabled(state, false);
        SetPasteEnabled(state, false);
    } else {
        // A selection that runs to the end of the waveform: the menu follows the buttons.
        SetCutCopyEnabled(state, true);
        if (edit.SelLast == 0 || !clipboard)
            SetPasteEnabled(state, false);
    }
    // A captured range is what the transforms and combine dialogs work on, as after Select All.
    if (!insertion && edit.SelLast > 1 && edit.SelLast != 33)
        state.enable(Sets::MathItems);
}

}  // namespace tlv
