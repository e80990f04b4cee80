#pragma once

#include <QPointF>
#include <span>
#include <vector>

namespace tlv {

enum class CombineOperation { Add, Subtract, Multiply };

// The pictures of the combine dialogs are 140 x 93 units; the trace stays within rows 0..90.
inline constexpr double kPictureWidth = 140;
inline constexpr double kPictureHeight = 93;
inline constexpr double kPictureLowestRow = 90;

// The selection combined with the standard wave, point by point.
struct Combination {
    std::vector<double> volts;  // unclipped; Multiply takes its factors to single precision
    // Plot rows of the result by the operation's own rule: Add sums the operands' rows (less the
    // centre row), Subtract and Multiply work on millivolts read back from the operands' rows.
    std::vector<double> rows;
};

// Combines selection[k] with standard[k] for k = 0..last; both spans must reach last.
Combination Combine(CombineOperation operation, std::span<const double> selection,
                    std::span<const double> standard, int last);

// Plot rows (0 is +5 V, 304 is -5 V) as picture vertices: vertex k at x = k * 140 / width, its
// row scaled to the picture's 93 rows and kept within rows 0..90.
std::vector<QPointF> PictureTrace(std::span<const double> rows, double width);
// The plot row of each value in volts.
std::vector<double> PlotRowsOf(std::span<const double> volts);

}  // namespace tlv
