#include "synthesis/DialogPlacement.h"

#include <cmath>

namespace tlv {

QPoint NewSegmentPosition(const QRect& frame, const QSize& dialog)
{
    const double left = frame.left() + (frame.width() - dialog.width()) / 2.0;
    const double top = frame.top() + (frame.height() - dialog.height()) / 2.0 - 1000 / kTwipsPerPixel;
    return QPoint(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
}

}  // namespace tlv
