#pragma once

#include <QColor>
#include <QSize>

#include "model/DocumentWindow.h"

class QPainter;

namespace tlv {

inline const QColor kGridColour(128, 128, 128);
inline const QColor kTraceColour(255, 255, 0);
inline const QColor kPlotBackground(0, 0, 0);

// Paints the plot box of the given pixel size: background, grid for the window state and the
// trace through rows[0..count-1] (plot rows of columns 0, 1, ...).
void PaintPlot(QPainter& painter, QSize box, WindowState state, const double* rows, int count);

// Paints the axis labels around a box placed in a client area of the given size.
void PaintAxisLabels(QPainter& painter, QSize client, WindowState state);

}  // namespace tlv
