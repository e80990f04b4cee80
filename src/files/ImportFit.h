#pragma once

#include <QPointF>
#include <vector>

// How Import Waveform brings a source's values to the instrument's range.
namespace tlv {

enum class LevelMode {
    Volts,       // as they are, clipped at +/-5 V
    PeakToPeak,  // scaled to the peak-to-peak span around the offset
    Gain,        // times the gain, plus the offset
};

struct LevelFit {
    LevelMode mode = LevelMode::Volts;
    double peakToPeak = 10;
    double gain = 1;
    double offset = 0;
};

struct FittedValues {
    std::vector<double> volts;  // within +/-5 V
    int clipped = 0;            // values that lay beyond +/-5 V before clipping
};

FittedValues FitLevels(std::vector<double> values, const LevelFit& fit);

// The values squeezed into columns across width: each column's lowest and highest value, as
// the vertices (x, y) of a trace, with low at y = height and high at y = 0 (values beyond are
// drawn at the edge).
std::vector<QPointF> ColumnTrace(const std::vector<double>& values, int width, int height, double low, double high);

}  // namespace tlv
