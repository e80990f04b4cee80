#pragma once

#include <vector>

namespace tlv {

// One column of a segment's preview picture, in plot rows (0 is +5 V, 304 is -5 V): from the row
// of its highest point down to the row of its lowest.
struct PreviewColumn {
    double top = 0;
    double bottom = 0;
};

// A segment in volts squeezed into at most `columns` columns, each spanning an equal share of the
// points. A column keeps the extremes of its share, so the peaks of a fast chirp or of noise are
// not lost the way every-32nd-point sampling loses them.
std::vector<PreviewColumn> PreviewColumns(const std::vector<double>& volts, int columns);

}  // namespace tlv
