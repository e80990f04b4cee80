#pragma once

// What the active plot shows of the mouse tools, read from the state at each paint.
#include "display/PlotPainter.h"

namespace tlv {

class Workspace;

// The selection marker or band and the rubber band of the active plot.
PlotOverlay ToolOverlay(const Workspace& ws);
// The columns of the plot cache the active plot's trace runs through: a stroke may reach past
// the stored curve until the next redraw.
int ShownTraceColumns(const Workspace& ws);

}  // namespace tlv
