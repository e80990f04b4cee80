#pragma once

#include <span>
#include <vector>

namespace tlv {

class Workspace;

// The Math menu's transforms of the active waveform. Invert, Mirror and Absolute work in place
// on the selection as CaptureSelection reads it: the transformed values go back over the very
// points they were read from, so points outside the selection and the end marker stay as they
// are. Each takes the whole buffer as its undo snapshot first.
void Invert(Workspace& ws);
void Mirror(Workspace& ws);
void Absolute(Workspace& ws);

// Stretches the whole waveform by the largest whole factor that keeps it within 16383 points,
// with straight lines between its points. A waveform too long for a factor of 2 is refused with
// "Shortage Editing Space "; one of fewer than two points has nothing to stretch between.
void ExpandToFit(Workspace& ws);

// The factor Expand to Fit uses for a waveform of count points.
int ExpandFactor(int count);
// The stretched values: factor values for each interval between neighbouring points, the last
// of them the next point itself, so the result starts one step after the first point. At most
// 16383 values.
std::vector<double> ExpandedVolts(std::span<const double> volts, int factor);

}  // namespace tlv
