#include "model/DialogPlacement.h"

#include <cmath>

namespace tlv {

namespace {
// Centred on the frame, then raised by the given number of twips.
QPoint Centred(const QRect& frame, const QSize& dialog, double raiseTwips)
{
    const double left = frame.left() + (frame.width() - dialog.width()) / 2.0;
    const double top =
        frame.top() + (frame.height() - dialog.height()) / 2.0 - raiseTwips / kTwipsPerPixel;
    return QPoint(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
}
}  // namespace

QPoint NewSegmentPosition(const QRect& frame, const QSize& dialog)
{
    return Centred(frame, dialog, 1000);
}

QPoint CentredPosition(const QRect& frame, const QSize& dialog)
{
    return Centred(frame, dialog, 0);
}

}  // namespace tlv
