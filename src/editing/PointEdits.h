#pragma once

// Edits at point resolution: one point typed in, or the run of points a stroke crosses.
#include <QString>
#include <span>

namespace tlv {

class Workspace;

// The instrument's 12-bit step: 4096 levels from -5 V to +5 V.
constexpr double kInstrumentStep = 10.0 / 4095.0;
// The nearest of those levels.
double SnapToInstrumentStep(double volts);

// Writes volts over the existing points from `first` on as one edit: one undo snapshot, the
// commit and the replot. A point past the end of the waveform, or a value that is no number
// within +/-5 V, refuses the whole edit with a message and changes nothing. Returns whether it
// was written.
bool SetPoints(Workspace& ws, int first, std::span<const double> volts);
// A typed value for one point, in volts ("1.25", "-3e-1").
bool SetPointText(Workspace& ws, int index, const QString& text);

}  // namespace tlv
