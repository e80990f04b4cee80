#include "editing/Overlays.h"

#include <algorithm>

#include "model/Workspace.h"

namespace tlv {

PlotOverlay ToolOverlay(const Workspace& ws)
{
    const ToolState& tools = ws.tools;
    PlotOverlay overlay;
    overlay.selection = tools.SelectionShown;
    overlay.selectionFrom = ws.edit.SelStartX;
    overlay.selectionTo = ws.edit.SelEndX;
    overlay.rubberBand = tools.RubberBandShown;
    overlay.rubberLine = QLineF(tools.RubberFromX, tools.RubberFromY, tools.RubberToX, tools.RubberToY);
    return overlay;
}

int ShownTraceColumns(const Workspace& ws)
{
    return std::clamp(std::max<int>(ws.edit.PlotColumn, ws.tools.ShownColumns), 0, kPlotColumns);
}

}  // namespace tlv
