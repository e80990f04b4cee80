#include "synthesis/SegmentPreview.h"

#include <algorithm>

#include "model/Scale.h"

namespace tlv {

std::vector<PreviewColumn> PreviewColumns(const std::vector<double>& volts, int columns)
{
    const size_t count = volts.size();
    const size_t width = std::min(count, static_cast<size_t>(std::max(columns, 0)));
    std::vector<PreviewColumn> out;
    out.reserve(width);
    for (size_t c = 0; c < width; ++c) {
        const auto first = volts.begin() + static_cast<std::ptrdiff_t>(c * count / width);
        const auto last = volts.begin() + static_cast<std::ptrdiff_t>((c + 1) * count / width);
        const auto [low, high] = std::minmax_element(first, last);
        out.push_back({MillivoltsToPlotY(*high * 1000), MillivoltsToPlotY(*low * 1000)});
    }
    return out;
}

}  // namespace tlv
