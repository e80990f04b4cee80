#include "files/BufferPoints.h"

#include "model/Workspace.h"

namespace tlv {

int PointsInEditBuffer(const Workspace& ws)
{
    int count = 0;
    for (int i = kLastPoint; i >= 0; --i)
        if (ws.PointDefined[static_cast<size_t>(i)]) {
            count = i + 1;
            break;
        }
    for (int i = 0; i < count; ++i)
        if (ws.WaveText.value(i) == kEndMarker)
            return i;
    return count;
}

}  // namespace tlv
