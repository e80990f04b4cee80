#pragma once

#include <QString>
#include <vector>

#include "model/EditPath.h"

class QPainter;

namespace tlv {

// The page's curve: the plot rows of columns 0, 1, ... and each column's range drawn behind them.
struct PrintTrace {
    PrintTrace(std::vector<double> rows, std::vector<ColumnRange> ranges = {})
        : rows(std::move(rows)), ranges(std::move(ranges))
    {
    }
    std::vector<double> rows;
    std::vector<ColumnRange> ranges;
};

// Paints the printed page on a painter whose unit is one twip: grid, cyan curve with its column
// ranges, black labels at size 9 and the caption in bold.
void PaintPrintPage(QPainter& painter, const PrintTrace& trace, const QString& caption);

}  // namespace tlv
