#pragma once

// The detail view's window onto the points: which point indices and volts an axis shows, how
// the wheel, a drag and Fit move it, and the round values its ticks stand at.
#include <vector>

namespace tlv {

// What one axis shows, from..to (point indices across, volts up).
struct AxisSpan {
    double from = 0;
    double to = 0;
    double width() const { return to - from; }
};

// Where an axis may go, and how far in it may zoom.
struct AxisLimits {
    double from = 0;
    double to = 0;
    double minWidth = 0;
};

// Across: the points of a waveform of count points; zoomed in to the last eight points' room,
// each point is a dot with space for its readout.
AxisLimits PointLimits(int count);
// Up: the instrument's -5 V..+5 V, down to a hundredth of a volt.
inline constexpr AxisLimits kVoltLimits{-5.0, 5.0, 0.01};

// The whole of the limits.
AxisSpan FitSpan(const AxisLimits& limits);
// Zooms by factor (below 1 zooms in) so that the value `around` stays where it is on screen; the
// result is no narrower than minWidth, no wider than the limits and lies within them.
AxisSpan ZoomSpan(AxisSpan span, double factor, double around, const AxisLimits& limits);
// Moves by delta, stopping at the limits.
AxisSpan PanSpan(AxisSpan span, double delta, const AxisLimits& limits);

// Round values (1, 2 or 5 times a power of ten apart) from `from` to `to`, at most maxTicks
// steps apart in all.
std::vector<double> RoundTicks(double from, double to, int maxTicks);

}  // namespace tlv
