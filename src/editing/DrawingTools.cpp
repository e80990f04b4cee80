// Free hand and Line: presses and moves edit the plot cache, the release writes it back.
#include <algorithm>

#include "editing/ColumnRoutines.h"
#include "editing/MouseTools.h"
#include "model/Workspace.h"

namespace tlv {

namespace {
constexpr float kCentreRow = 152;  // 0 V
}  // namespace

int MouseTools::startStroke(EditTransaction& tx, int column)
{
    if (lastColumn() == 0)
        tx.plot().rows[0] = kCentreRow;
    if (column >= kPlotWidth)
        column = kPlotWidth;
    if (column <= 0)
        column = 1;
    if (column <= ws_.tools.EditFromColumn)
        ws_.tools.EditFromColumn = static_cast<int16_t>(column - 1);
    ToolState& tools = ws_.tools;
    tools.StrokeMinColumn = 0;
    tools.StrokeMaxColumn = -1;
    tools.StrokePointCount = PointsInEditBuffer(ws_.edit);
    tools.StrokeExtended = false;
    return column;
}

void MouseTools::cover(ColumnSpan span)
{
    if (span.first > span.last)
        return;
    ToolState& tools = ws_.tools;
    const bool none = tools.StrokeMinColumn > tools.StrokeMaxColumn;
    tools.StrokeMinColumn = static_cast<int16_t>(none ? span.first : std::min<int>(tools.StrokeMinColumn, span.first));
    tools.StrokeMaxColumn = static_cast<int16_t>(none ? span.last : std::max<int>(tools.StrokeMaxColumn, span.last));
}

void MouseTools::extendTo(int column)
{
    lastColumn() = column;
    ws_.tools.StrokeExtended = true;
}

void MouseTools::freehandPress(EditTransaction& tx, int column, float y)
{
    column = startStroke(tx, column);
    ws_.tools.FreehandPrevColumn = static_cast<int16_t>(column);
    const int last = lastColumn();
    if (last < column) {
        // A press beyond the end extends the waveform by a straight line to it.
        cover(FillColumnsLinear(tx.plot(), last, static_cast<float>(row(last)), column, y));
        extendTo(column);
    } else {
        cover(SetColumnAndRedraw(tx.plot(), column, y));
    }
    showColumnsThrough(lastColumn());
}

void MouseTools::freehandMove(int column, float y)
{
    column = std::clamp(column, 1, kPlotWidth);
    ToolState& tools = ws_.tools;
    EditTransaction tx(ws_, EditTransaction::Closing::Redraw);
    auto& rows = tx.plot().rows;
    const int from = tools.FreehandPrevColumn;
    // Every column between two mouse positions takes the straight line between them, so a fast
    // stroke skips none. The row at the previous position is read as it stands, clamped once
    // it has been passed.
    if (from > column) {
        const double slope = (y - rows[static_cast<size_t>(from)]) / (from - column);
        for (int i = from; i >= column; --i)
            rows[static_cast<size_t>(i)] = ClampRow(rows[static_cast<size_t>(from)] + slope * (from - i));
        if (column < tools.EditFromColumn)
            tools.EditFromColumn = static_cast<int16_t>(std::max(column, 0));
    } else if (from < column) {
        const double slope = (y - rows[static_cast<size_t>(from)]) / (column - from);
        for (int i = from; i <= column; ++i)
            rows[static_cast<size_t>(i)] = ClampRow(rows[static_cast<size_t>(from)] + slope * (i - from));
    }
    if (from != column)
        cover({std::min(from, column), std::min(std::max(from, column), kPlotWidth)});
    tools.FreehandPrevColumn = static_cast<int16_t>(column);
    showColumnsThrough(column);
}

void MouseTools::freehandRelease(int column)
{
    column = std::clamp(column, 1, kPlotWidth);
    if (column <= ws_.tools.EditFromColumn)
        ws_.tools.EditFromColumn = static_cast<int16_t>(column - 1);
    ws_.DrawGrid();
    EditTransaction tx(ws_);
    writeBack(tx);
}

void MouseTools::linePress(EditTransaction& tx, int column, float y)
{
    column = startStroke(tx, column);
    WorkBuffers& work = ws_.work;
    const int last = lastColumn();
    if (last < column) {
        // Beyond the end: a segment from the end, or from the last click inside the waveform.
        const int from = work.LineChained ? work.LineAnchorColumn : last;
        cover(FillColumnsLinearClamped(tx.plot(), work, from, static_cast<float>(row(from)), column, y));
        extendTo(column);
        work.LineChained = 0;
    } else {
        DocumentWindow& window = *ws_.activeWindow();
        ++window.LineClickCount;
        if (window.LineClickCount == 1)
            cover(FillColumnsFromPoint(tx.plot(), work, static_cast<float>(last),
                                       static_cast<float>(row(last)), static_cast<float>(column), y));
        else if (column != work.LineAnchorColumn)
            cover(FillColumnsFromPoint(tx.plot(), work, static_cast<float>(work.LineAnchorColumn),
                                       static_cast<float>(row(work.LineAnchorColumn)),
                                       static_cast<float>(column), y));
        work.LineChained = -1;
    }
    showColumnsThrough(lastColumn());
}

void MouseTools::lineMove(float x, float y)
{
    ToolState& tools = ws_.tools;
    const WorkBuffers& work = ws_.work;
    tools.LineDragging = false;
    if (lastColumn() == 0 && work.LineAnchorColumn == 0)
        return;
    ws_.DrawGrid();
    ws_.RebuildPlotCache();
    // The segment the next click makes: from the last click, or from the end of the waveform.
    const int from = work.LineAnchorColumn != 0 ? work.LineAnchorColumn : lastColumn();
    tools.RubberFromX = static_cast<float>(from);
    tools.RubberFromY = static_cast<float>(row(from));
    tools.RubberToX = x;
    tools.RubberToY = y;
    tools.RubberBandShown = true;
}

void MouseTools::lineRelease(int column)
{
    if (column <= 0)
        return;
    EditTransaction tx(ws_);
    writeBack(tx);
    // The points are stored at once, dragged or not, so that the trace redrawn on the next
    // move shows them and a switch of windows keeps them; only a click moves the anchor.
    tx.finish();
    if (ws_.tools.LineDragging)
        return;
    ws_.work.LineAnchorColumn = std::clamp(column, 1, kPlotWidth);
}

}  // namespace tlv
