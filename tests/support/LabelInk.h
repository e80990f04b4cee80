#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <cmath>
#include <utility>
#include <vector>

#include "display/PlotGeometry.h"

namespace tlv {


bool Ink(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 100;
}

// Runs of rows (or columns) that hold label ink, as [first, last] pairs.
std::vector<std::pair<int, int>> Runs(const std::vector<bool>& inked, int gap)
{
    std::vector<std::pair<int, int>> runs;
    for (int i = 0; i < static_cast<int>(inked.size()); ++i) {
        if (!inked[static_cast<size_t>(i)])
            continue;
        if (!runs.empty() && i - runs.back().second <= gap)
            runs.back().second = i;
        else
            runs.push_back({i, i});
    }
    return runs;
}

// The ink of the voltage labels, one run of rows a label, and of the point labels, one run of
// columns a label.
std::vector<std::pair<int, int>> VoltageInk(const QImage& image)
{
    std::vector<bool> rows(static_cast<size_t>(image.height()), false);
    for (int y = kBoxTop - 10; y < image.height(); ++y)
        for (int x = 0; x < kBoxLeft - 2; ++x)
            if (Ink(image, x, y))
                rows[static_cast<size_t>(y)] = true;
    return Runs(rows, 1);
}

std::vector<std::pair<int, int>> PointInk(const QImage& image)
{
    std::vector<bool> columns(static_cast<size_t>(image.width()), false);
    for (int x = 0; x < image.width(); ++x)
        for (int y = 20; y < kBoxTop - 4; ++y)
            if (Ink(image, x, y))
                columns[static_cast<size_t>(x)] = true;
    return Runs(columns, 6);
}


// Where a normal window's labels stand against its grid lines, in a grab of the window: every
// voltage label's ink centred within 2 pixels of its line, every point label within 4 pixels of
// its column. Returns what is wrong, or an empty text.
inline QString LabelsOffTheirLines(const QImage& image)
{
    const QRect box = BoxRect(image.size());
    const auto volts = VoltageInk(image);
    if (volts.size() != 9)
        return QString("%1 voltage labels").arg(volts.size());
    for (int k = 0; k < 9; ++k) {
        const double centre = (volts[k].first + volts[k].second) / 2.0;
        const double line = box.top() + 38.0 * k * box.height() / 370.0;
        if (std::abs(centre - line) > 2.0)
            return QString("voltage label %1 centred at %2, its line at %3").arg(k).arg(centre).arg(line);
    }
    const auto points = PointInk(image);
    if (points.size() != 11)
        return QString("%1 point labels").arg(points.size());
    for (int j = 0; j < 11; ++j) {
        const double centre = (points[j].first + points[j].second) / 2.0;
        const double line = box.left() + 51.2 * j * box.width() / 570.0;
        if (std::abs(centre - line) > 4.0)
            return QString("point label %1 centred at %2, its line at %3").arg(j).arg(centre).arg(line);
    }
    return {};
}

}  // namespace tlv
