#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/Scale.h"

namespace tlv {

// The active waveform as volts texts, one per point. The number each text reads as is kept
// beside it, so that counting and storing the buffer never parse the same text twice.
class WaveTextArray {
public:
    WaveTextArray();

    const std::string& operator[](int i) const { return texts_[static_cast<size_t>(i)]; }
    double value(int i) const { return values_[static_cast<size_t>(i)]; }
    // The numbers of all texts, point 0 first.
    const double* values() const { return values_.data(); }
    void set(int i, std::string text);
    // Writes a computed value in the "+0.000000E+00" pattern.
    void setVolts(int i, double volts);
    // Writes one computed value into count entries from start on (formatted once).
    void setVoltsRun(int start, int count, double volts);
    // Moves count entries from one index to another; the ranges may overlap.
    void moveRange(int from, int to, int count);
    void setEndMarker(int i) { setKnown(i, "999", 999.0); }
    void clear(int i) { setKnown(i, "0", 0.0); }
    int size() const { return kMaxPoints; }

private:
    // A text whose number is known already.
    void setKnown(int i, const char* text, double value)
    {
        texts_[static_cast<size_t>(i)] = text;
        values_[static_cast<size_t>(i)] = value;
    }

    std::vector<std::string> texts_;
    std::vector<double> values_;
};

}  // namespace tlv
