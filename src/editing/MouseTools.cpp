// The plot events common to every tool: press, move, release, click, double click and keys.
#include "editing/MouseTools.h"

#include <algorithm>
#include <cmath>

#include "editing/ColumnRoutines.h"
#include "editing/EditCommands.h"
#include "editing/Enabling.h"
#include "editing/PlotReadout.h"
#include "model/Workspace.h"

namespace tlv {

namespace {
constexpr int kLeft = 1;
constexpr int kEnter = 13;
constexpr int kEscape = 27;
}  // namespace

MouseTools::MouseTools(Workspace& ws) : ws_(ws) {}

int& MouseTools::lastColumn()
{
    return ws_.activeWindow()->LastColumn;
}

double MouseTools::row(int column) const
{
    return ws_.edit.PlotY[static_cast<size_t>(std::clamp(column, 0, kPlotWidth))];
}

void MouseTools::plotInput(const PlotInput& event)
{
    // A held button reports positions outside the plot, and a script may give any number:
    // the tools see the nearest point of the plot, and a position that is no number at all
    // is dropped.
    if (!ws_.activeWindow() || std::isnan(event.x) || std::isnan(event.y))
        return;
    PlotInput input = event;
    input.x = std::clamp(input.x, 0.0f, static_cast<float>(kPlotWidth));
    input.y = std::clamp(input.y, 0.0f, static_cast<float>(kPlotHeight));
    switch (input.type) {
    case PlotInput::Type::Press: press(input); break;
    case PlotInput::Type::Move: move(input); break;
    case PlotInput::Type::Release: release(input); break;
    case PlotInput::Type::Click: click(input); break;
    case PlotInput::Type::DoubleClick: doubleClick(); break;
    case PlotInput::Type::Key: key(input.key); break;
    }
    ws_.RepaintPlot();
}

int MouseTools::startPress(EditTransaction& tx)
{
    EditState& edit = ws_.edit;
    edit.SelStartX = edit.SelEndX = 0;
    for (int i = kLastPoint; i >= 0; --i)
        if (edit.PointDefined[static_cast<size_t>(i)]) {
            tx.SetPointCount(i);
            break;
        }
    tx.SetPlotCache(PlotRows(edit.WaveText.values(), static_cast<int>(edit.PointCount)));
    lastColumn() = std::max(edit.PlotColumn - 1, 0);
    return edit.PlotColumn;
}

void MouseTools::press(const PlotInput& input)
{
    ws_.activeWindow()->picEnabled = true;
    if (input.button != kLeft)
        return;
    ws_.tools.GestureActive = true;
    const int column = ColumnOfX(input.x);
    EditTransaction tx(ws_, EditTransaction::Closing::Redraw);
    const int filled = startPress(tx);
    switch (ws_.edit.ToolMode) {
    case 0: markerPress(column, filled); break;
    case 1: freehandPress(tx, column, input.y); break;
    case 2: linePress(tx, column, input.y); break;
    }
}

void MouseTools::move(const PlotInput& input)
{
    if (input.button != 0 && input.button != kLeft)
        return;
    ShowReadout(ws_, input.x, input.y);
    const int column = ColumnOfX(input.x);
    const bool dragging = input.button == kLeft && ws_.tools.GestureActive;
    switch (ws_.edit.ToolMode) {
    case 0:
        if (dragging)
            markerMove(column);
        break;
    case 1:
        if (dragging)
            freehandMove(column, input.y);
        break;
    case 2:
        if (dragging)
            ws_.tools.LineDragging = true;
        else if (input.button == 0)
            lineMove(input.x, input.y);
        break;
    }
}

void MouseTools::release(const PlotInput& input)
{
    // Only the release of the left button that started a gesture edits; the release that
    // follows a double click, or that of another button, only sets the tool buttons.
    if (input.button == kLeft && ws_.tools.GestureActive) {
        ws_.tools.GestureActive = false;
        const int column = ColumnOfX(input.x);
        switch (ws_.edit.ToolMode) {
        case 0: markerRelease(column); break;
        case 1: freehandRelease(column); break;
        case 2: lineRelease(column); break;
        }
    }
    endRelease();
}

void MouseTools::endRelease()
{
    if (ws_.edit.ToolMode == 0) {
        PressMarker(ws_);
        return;
    }
    ws_.commands.setButtonPressed(2, ws_.edit.ToolMode == 1 ? Tb2::FreeHand : Tb2::Line, true);
    ws_.commands.setChecked(Cmd::EditSelect, false);
}

void MouseTools::click(const PlotInput& input)
{
    if (input.button != kLeft)
        return;
    ws_.activeWindow()->picEnabled = true;
    std::fill(ws_.edit.SelVolts.begin(), ws_.edit.SelVolts.end(), 0.0);
    ws_.work.SelectAllActive = false;
    if (ws_.edit.ToolMode == 0) {
        PressMarker(ws_);
    } else {
        ws_.DrawGrid();
        ws_.RebuildPlotCache();
    }
    if (ws_.work.ClipboardFull)
        ws_.work.PasteColumn = ws_.edit.SelStartX;
}

void MouseTools::doubleClick()
{
    ws_.tools.GestureActive = false;
    PressMarker(ws_);
}

void MouseTools::key(int code)
{
    if (code != kEnter && code != kEscape)
        return;
    ws_.tools.GestureActive = false;
    PressMarker(ws_);
    CommandState& state = ws_.commands;
    SetCutCopyEnabled(state, false);
    // Paste is offered only while the clipboard holds points.
    SetPasteEnabled(state, ws_.edit.SelLast > 0 && ws_.work.ClipboardFull);
    ws_.work.LineChained = 0;
    ws_.work.LineAnchorColumn = 0;
    ws_.CommitEditBuffer();
    ws_.DrawGrid();
    ws_.RebuildPlotCache();
}

void MouseTools::writeBack(EditTransaction& tx)
{
    // Rows are clamped before use: +5 V sits at row -0.06 in the cache, and an untouched
    // column would otherwise come back above +5 V.
    const EditState& edit = ws_.edit;
    const ToolState& tools = ws_.tools;
    const int kept = tools.StrokePointCount;
    const int last = lastColumn();
    for (int c = 0; c <= last; ++c) {
        // Points the waveform held change only in drawn columns; points past its end are
        // written only when the gesture extended it.
        const bool drawn = c >= tools.StrokeMinColumn && c <= tools.StrokeMaxColumn;
        const int from = drawn ? c * 32 : std::max(c * 32, kept);
        const int to = tools.StrokeExtended ? c * 32 + 32 : std::min(c * 32 + 32, kept);
        tx.WritePointRun(from, to - from, 5 - ClampRow(edit.PlotY[static_cast<size_t>(c)]) / 30.4);
    }
    if (tools.StrokeExtended)
        // A waveform of 512 full columns has no room for its marker, as a full document has none.
        tx.EndDataAt((last + 1) * 32);
}

void MouseTools::showColumnsThrough(int column)
{
    ws_.tools.ShownColumns = std::clamp(std::max(ws_.tools.ShownColumns, column + 1), 0, kPlotColumns);
}

}  // namespace tlv
