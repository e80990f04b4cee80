#pragma once

// The cursor readout of status panels 2 to 4: the point and the voltage under the mouse.
#include <QString>

namespace tlv {

class Workspace;

// The point index under a plot column, to one decimal: 1 at or left of column 0, 16383 at or
// right of the last.
double ReadoutPointAt(int column);
// The millivolts under a plot row, to three decimals.
double ReadoutMillivoltsAt(float y);
// "X=  320": the point as the system's number text, non-negative numbers with a leading blank.
QString PointReadoutText(double point);
// "Y= 1.250", "Y= - 0.500" (the magnitude), "Y= - 5.000" below -5 V.
QString VoltsReadoutText(double millivolts);

// Shows the readout for a mouse position in plot units on the status bar.
void ShowReadout(Workspace& ws, float x, float y);

}  // namespace tlv
