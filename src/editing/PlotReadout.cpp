#include "editing/PlotReadout.h"

#include <cmath>
#include <cstdlib>

#include "editing/ColumnRoutines.h"
#include "model/Scale.h"
#include "model/Workspace.h"

namespace tlv {

double ReadoutPointAt(int column)
{
    const double point = std::floor(PlotXToPoint(static_cast<float>(column)) * 10 + 0.5) / 10;
    if (point >= kLastPoint)
        return kLastPoint;
    if (point <= 0)
        return 1;
    return point;
}

double ReadoutMillivoltsAt(float y)
{
    return std::floor(PlotYToMillivolts(y) * 1000 + 0.5) / 1000;
}

QString PointReadoutText(double point)
{
    return QStringLiteral("X= ") + (point >= 0 ? QStringLiteral(" ") : QString()) +
           QString::number(point, 'g', 15);
}

QString VoltsReadoutText(double millivolts)
{
    const bool negative = millivolts < 0;
    if (millivolts < -5000)
        millivolts = -5000;
    // Millivolts carry three decimals; "0.000" in volts rounds them to whole millivolts, halves
    // away from zero.
    const long long thousandths = std::llround(std::abs(millivolts) * 1000);
    const long long whole = (thousandths + 500) / 1000;
    const QString volts = QStringLiteral("%1.%2").arg(whole / 1000).arg(whole % 1000, 3, 10, QChar('0'));
    return (negative ? QStringLiteral("Y= - ") : QStringLiteral("Y= ")) + volts;
}

void ShowReadout(Workspace& ws, float x, float y)
{
    ws.tools.ReadoutMillivolts = ReadoutMillivoltsAt(y);
    ws.tools.ReadoutPoint = ReadoutPointAt(ColumnOfX(x));
    ws.SetStatusPanel(2, QStringLiteral("POSITION"));
    ws.SetStatusPanel(4, VoltsReadoutText(ws.tools.ReadoutMillivolts));
    ws.SetStatusPanel(3, PointReadoutText(ws.tools.ReadoutPoint));
}

}  // namespace tlv
