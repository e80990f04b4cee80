#pragma once

#include <QColor>
#include <QImage>

namespace tlv {

// Whether the colour is painted within one pixel of (x, y): aliased lines land on the pixel
// their coordinate rounds to, either way.
inline bool PaintedNear(const QImage& image, double x, double y, const QColor& colour)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            QPoint p(static_cast<int>(x) + dx, static_cast<int>(y) + dy);
            if (image.rect().contains(p) && image.pixelColor(p) == colour)
                return true;
        }
    return false;
}

}  // namespace tlv
