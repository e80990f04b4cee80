#pragma once

#include <QColor>
#include <QLineF>
#include <QSize>

#include "model/DocumentWindow.h"
#include "model/EditPath.h"

class QPainter;

namespace tlv {

inline const QColor kGridColour(128, 128, 128);
inline const QColor kTraceColour(255, 255, 0);
inline const QColor kPlotBackground(0, 0, 0);
inline const QColor kSelectionColour(255, 255, 255);
inline const QColor kLineToolColour(221, 221, 221);

// The marks of the mouse tools over the trace, in plot units.
struct PlotOverlay {
    bool selection = false;  // the marker (from == to) or the band of columns from..to
    int selectionFrom = 0;
    int selectionTo = 0;
    bool rubberBand = false;  // the Line tool's next segment
    QLineF rubberLine;
};

// Paints the plot box of the given pixel size: background, grid for the window state, each
// column's range as a vertical line, the trace through rows[0..count-1] (plot rows of columns
// 0, 1, ...) and the overlay.
void PaintPlot(QPainter& painter, QSize box, WindowState state, const double* rows, int count,
               const PlotOverlay& overlay = {}, const std::vector<ColumnRange>& ranges = {});

// Paints the axis labels around a box placed in a client area of the given size.
void PaintAxisLabels(QPainter& painter, QSize client, WindowState state);

}  // namespace tlv
