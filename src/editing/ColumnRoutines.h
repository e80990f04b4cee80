#pragma once

// The editing module's routines on the plot cache: the mouse tools edit PlotY column by column
// (x in columns 0..512, y in rows 0..304) and write it back on release.
#include "model/WorkspaceParts.h"

namespace tlv {

// The columns a routine set, first..last; none when first > last.
struct ColumnSpan {
    int first = 0;
    int last = -1;
};

// A number rounded to whole units as the "###" format reads it back: halves away from zero,
// anything within half a unit of zero is 0.
int RoundToWhole(double value);
// A mouse x in plot units as a column: first to one decimal (in single precision), then to a
// whole column.
int ColumnOfX(float x);

// Columns x1+1..x2 on a straight line from the stored row of x1 towards y2, the slope in single
// precision; the ends are swapped when x1 > x2. Counts each column in the cache's column counter.
ColumnSpan FillColumnsLinear(PlotCache& plot, int x1, float y1, int x2, float y2);
// Columns x1..x2 from the stored row of x1 with slope dy/dx (a zero dx or dy counts as 1),
// each clamped to 0..304. While the Line tool is chained, the column counter becomes the anchor.
ColumnSpan FillColumnsLinearClamped(PlotCache& plot, WorkBuffers& work, int x1, float y1, int x2,
                                    float y2);
// A straight segment between two presses: the left end (a, ya) and the right end (b, yb), both
// rounded to whole columns; column a-1 takes ya and a..b the line, clamped to 0..304. Nothing
// happens when a-1 is not above 0. The anchor becomes x2.
ColumnSpan FillColumnsFromPoint(PlotCache& plot, WorkBuffers& work, float x1, float y1, float x2,
                                float y2);
// One column of a free-hand stroke, y clamped to 0..304; only columns 2..511 take it. The plot
// paints the changed trace from the cache.
ColumnSpan SetColumnAndRedraw(PlotCache& plot, int x, float y);

// A row clamped as the routines do: at or below 0 gives 0, at or above 304 gives 304.
double ClampRow(double y);

}  // namespace tlv
