#pragma once

#include <QString>
#include <vector>

class QPainter;

namespace tlv {

// Paints the printed page on a painter whose unit is one twip: grid, cyan curve through the plot
// rows of columns 0, 1, ..., black labels at size 9 and the caption in bold.
void PaintPrintPage(QPainter& painter, const std::vector<double>& rows, const QString& caption);

}  // namespace tlv
