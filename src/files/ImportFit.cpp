#include "files/ImportFit.h"

#include <algorithm>

namespace tlv {

namespace {
constexpr double kMostVolts = 5.0;
}

FittedValues FitLevels(std::vector<double> values, const LevelFit& fit)
{
    FittedValues result;
    double scale = fit.gain, shift = fit.offset;
    if (fit.mode == LevelMode::Volts) {
        scale = 1;
        shift = 0;
    } else if (fit.mode == LevelMode::PeakToPeak && !values.empty()) {
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        const double span = *high - *low;
        // A flat source has no span to scale: it lands on the offset.
        scale = span > 0 ? fit.peakToPeak / span : 0;
        shift = fit.offset - (*low + *high) / 2 * scale;
    }
    for (double& v : values) {
        v = v * scale + shift;
        if (v > kMostVolts || v < -kMostVolts) {
            ++result.clipped;
            v = std::clamp(v, -kMostVolts, kMostVolts);
        }
    }
    result.volts = std::move(values);
    return result;
}

std::vector<QPointF> ColumnTrace(const std::vector<double>& values, int width, int height, double low, double high)
{
    std::vector<QPointF> trace;
    if (values.empty() || width <= 0)
        return trace;
    const double span = high > low ? high - low : 1;
    const auto y = [&](double v) { return std::clamp((high - v) / span, 0.0, 1.0) * height; };
    const size_t columns = std::min(values.size(), size_t(width));
    for (size_t c = 0; c < columns; ++c) {
        const size_t from = c * values.size() / columns, to = (c + 1) * values.size() / columns;
        const auto [lo, hi] = std::minmax_element(values.begin() + long(from), values.begin() + long(to));
        const double x = double(c) * width / double(columns);
        trace.emplace_back(x, y(*hi));
        trace.emplace_back(x, y(*lo));
    }
    return trace;
}

}  // namespace tlv
