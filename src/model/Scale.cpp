#include "model/Scale.h"

namespace tlv {

double MillivoltsToPlotY(double millivolts)
{
    constexpr double k = 0.030406081216243247;  // 304 / 9998
    return 304.0 - (millivolts + 5000.0) * k;
}

double PlotYToMillivolts(float y)
{
    return (152.0 - static_cast<double>(y)) * 10000.0 / 304.0;
}

double PlotXToPoint(float x)
{
    return static_cast<double>(x) * 16383.0 / 512.0;
}

double PlotYFromCentre(double y)
{
    return y - 152.0;
}

}  // namespace tlv
