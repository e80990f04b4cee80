#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tlv {

// 15 twips to the pixel at 96 dots per inch.
constexpr double kTwipsPerPixel = 15;

// The New Segment dialog's top-left corner: centred horizontally on the frame and 1000 twips
// above the frame's vertical centre, so the plot below stays in sight.
QPoint NewSegmentPosition(const QRect& frame, const QSize& dialog);
// A dialog centred on the frame.
QPoint CentredPosition(const QRect& frame, const QSize& dialog);

}  // namespace tlv
