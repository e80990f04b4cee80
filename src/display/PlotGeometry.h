#pragma once

#include <QLineF>
#include <QPoint>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <vector>

#include "model/DocumentWindow.h"

namespace tlv {

// Where the plot box sits in a document window's client area (pixels).
constexpr int kBoxLeft = 50;
constexpr int kBoxTop = 48;
// The normal window's box at its default size (628 x 421 client pixels): the size at which the
// listed label pixels sit best on their grid lines (one pixel a unit across, 37.5 pixels a
// voltage division down).
constexpr int kNormalBoxWidth = 570;
constexpr int kNormalBoxHeight = 365;
constexpr int kBoxMarginRight = 8;
constexpr int kBoxMarginBottom = 8;

// The box's own coordinate range: (0,0)-(570,370) normal, (0,0)-(550,350) otherwise.
QSizeF BoxScale(WindowState state);
// The box in a client area of the given size.
QRect BoxRect(QSize client);
// The client size that shows the normal box exactly.
QSize NormalClientSize();

// Borders and grid lines in plot units: 10 x 8 cells normal, 20 x 16 otherwise.
std::vector<QLineF> GridLines(WindowState state);

struct AxisLabel {
    QString text;
    QPoint topLeft;  // window pixels
};
// Voltage labels (left margin) and point labels (top margin) for the state and box.
std::vector<AxisLabel> VoltageLabels(WindowState state, QRect box);
std::vector<AxisLabel> PointLabels(WindowState state, QRect box);

// Rounds to the nearest whole number, halves to even.
int RoundHalfEven(double value);

}  // namespace tlv
