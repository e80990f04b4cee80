#include "synthesis/Combine.h"

#include <algorithm>

#include "model/Scale.h"

namespace tlv {

namespace {

double RowOf(double volts)
{
    return MillivoltsToPlotY(volts * 1000);
}

// The millivolts a plot row stands for, as the picture's operand was drawn.
double MillivoltsOfRow(double row)
{
    return PlotYToMillivolts(static_cast<float>(row));
}

}  // namespace

Combination Combine(CombineOperation operation, std::span<const double> selection,
                    std::span<const double> standard, int last)
{
    Combination result;
    const size_t count = static_cast<size_t>(std::max(last + 1, 0));
    result.volts.reserve(count);
    result.rows.reserve(count);
    for (size_t k = 0; k < count; ++k) {
        const double s = selection[k];
        const double w = standard[k];
        switch (operation) {
        case CombineOperation::Add:
            result.volts.push_back(s + w);
            result.rows.push_back(RowOf(s) + RowOf(w) - 152);
            break;
        case CombineOperation::Subtract:
            result.volts.push_back(s - w);
            result.rows.push_back(
                MillivoltsToPlotY(MillivoltsOfRow(RowOf(s)) - MillivoltsOfRow(RowOf(w))));
            break;
        case CombineOperation::Multiply:
            result.volts.push_back(static_cast<double>(static_cast<float>(s)) *
                                   static_cast<double>(static_cast<float>(w)));
            result.rows.push_back(
                MillivoltsToPlotY(MillivoltsOfRow(RowOf(s)) * MillivoltsOfRow(RowOf(w)) / 1000));
            break;
        }
    }
    return result;
}

std::vector<QPointF> PictureTrace(std::span<const double> rows, double width)
{
    std::vector<QPointF> trace;
    trace.reserve(rows.size());
    for (size_t k = 0; k < rows.size(); ++k)
        trace.emplace_back(static_cast<double>(k) * kPictureWidth / width,
                           std::clamp(rows[k] * kPictureHeight / kPlotHeight, 0.0, kPictureLowestRow));
    return trace;
}

std::vector<double> PlotRowsOf(std::span<const double> volts)
{
    std::vector<double> rows;
    rows.reserve(volts.size());
    for (double v : volts)
        rows.push_back(RowOf(v));
    return rows;
}

}  // namespace tlv
