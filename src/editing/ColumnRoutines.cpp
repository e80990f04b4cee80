#include "editing/ColumnRoutines.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tlv {

int RoundToWhole(double value)
{
    const double whole = std::floor(std::abs(value) + 0.5);
    return static_cast<int>(value < 0 ? -whole : whole);
}

int ColumnOfX(float x)
{
    // Single precision throughout, as the mouse coordinates are singles.
    const float scaled = x * 10.0f + 0.5f;
    const float tenths = std::floor(scaled) / 10.0f;
    return RoundToWhole(tenths);
}

double ClampRow(double y)
{
    if (y <= 0)
        return 0;
    if (y >= kPlotHeight)
        return kPlotHeight;
    return y;
}

namespace {
double& Row(PlotCache& plot, int column)
{
    return plot.rows[static_cast<size_t>(column)];
}

bool IsColumn(int column)
{
    return column >= 0 && column <= kPlotWidth;
}
}  // namespace

ColumnSpan FillColumnsLinear(PlotCache& plot, int x1, float y1, int x2, float y2)
{
    y1 = static_cast<float>(ClampRow(y1));
    y2 = static_cast<float>(ClampRow(y2));
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    if (x1 == x2 || !IsColumn(x1))
        return {};
    const float slope = (y2 - y1) / static_cast<float>(x2 - x1);
    const double start = Row(plot, x1);
    ColumnSpan span{x1 + 1, x1};
    for (int i = x1 + 1; i <= x2 && IsColumn(i); ++i) {
        const float rise = static_cast<float>(i - x1) * slope;  // a single times a whole
        Row(plot, i) = start + rise;
        ++plot.columns;
        span.last = i;
    }
    return span;
}

ColumnSpan FillColumnsLinearClamped(PlotCache& plot, WorkBuffers& work, int x1, float y1, int x2,
                                    float y2)
{
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const double dx = x2 - x1 == 0 ? 1.0 : x2 - x1;
    const double dy = y2 - y1 == 0 ? 1.0 : static_cast<double>(y2) - y1;
    ColumnSpan span;
    if (IsColumn(x1)) {
        const double start = Row(plot, x1);
        span = {x1, std::min(x2, kPlotWidth)};
        for (int i = x1; i <= x2 && IsColumn(i); ++i)
            Row(plot, i) = ClampRow(start + (i - x1) * dy / dx);
    }
    if (work.LineChained)
        work.LineAnchorColumn = plot.columns;
    return span;
}

ColumnSpan FillColumnsFromPoint(PlotCache& plot, WorkBuffers& work, float x1, float y1, float x2,
                                float y2)
{
    y1 = static_cast<float>(ClampRow(y1));
    y2 = static_cast<float>(ClampRow(y2));
    float a = x1, ya = y1, b = x2, yb = y2;
    if (x1 > x2) {
        std::swap(a, b);
        std::swap(ya, yb);
        if (yb - ya == 0)
            yb = ya + 1;
    }
    const int left = RoundToWhole(a);
    const int right = std::min(RoundToWhole(b), kPlotWidth);
    if (left - 1 <= 0 || left > kPlotWidth)
        return {};
    Row(plot, left - 1) = ya;
    const double width = right - left == 0 ? 1.0 : right - left;
    const double start = Row(plot, left - 1);
    for (int i = left; i <= right; ++i)
        Row(plot, i) = ClampRow(start + (i - left) * (static_cast<double>(yb) - ya) / width);
    work.LineAnchorColumn = RoundToWhole(x2);
    return {left - 1, right};
}

ColumnSpan SetColumnAndRedraw(PlotCache& plot, int x, float y)
{
    if (x < 2 || x + 1 > kPlotWidth)
        return {};
    Row(plot, x) = ClampRow(y);
    return {x, x};
}

}  // namespace tlv
