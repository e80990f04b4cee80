#include "display/DetailGeometry.h"

#include <algorithm>
#include <cmath>

namespace tlv {

namespace {
double WidthWithin(double width, const AxisLimits& limits)
{
    const double whole = limits.to - limits.from;
    return std::clamp(width, std::min(limits.minWidth, whole), whole);
}

// The span kept within the limits: its width first, then its place.
AxisSpan Within(double from, double width, const AxisLimits& limits)
{
    width = WidthWithin(width, limits);
    from = std::clamp(from, limits.from, limits.to - width);
    return {from, from + width};
}
}  // namespace

AxisLimits PointLimits(int count)
{
    return {0.0, std::max(count - 1, 1) * 1.0, 7.0};
}

AxisSpan FitSpan(const AxisLimits& limits)
{
    return {limits.from, limits.to};
}

AxisSpan ZoomSpan(AxisSpan span, double factor, double around, const AxisLimits& limits)
{
    if (!(factor > 0) || !std::isfinite(factor) || !(span.width() > 0))
        return Within(span.from, span.width(), limits);
    const double share = std::clamp((around - span.from) / span.width(), 0.0, 1.0);
    const double width = WidthWithin(span.width() * factor, limits);
    return Within(around - share * width, width, limits);
}

AxisSpan PanSpan(AxisSpan span, double delta, const AxisLimits& limits)
{
    return Within(span.from + (std::isfinite(delta) ? delta : 0.0), span.width(), limits);
}

std::vector<double> RoundTicks(double from, double to, int maxTicks)
{
    std::vector<double> ticks;
    if (!(to > from) || maxTicks < 1 || !std::isfinite(to - from))
        return ticks;
    const double raw = (to - from) / maxTicks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * power;
    for (double multiple : {1.0, 2.0, 5.0})
        if (multiple * power >= raw) {
            step = multiple * power;
            break;
        }
    for (double k = std::ceil(from / step); k * step <= to + step * 1e-9; ++k)
        ticks.push_back(std::abs(k) < 0.5 ? 0.0 : k * step);
    return ticks;
}

}  // namespace tlv
