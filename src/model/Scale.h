#pragma once

// Mappings between point indices, millivolts and plot coordinates. The plot is 512 columns by
// 304 rows; row 0 is +5 V. The two full-scale spans (9998 and 10000) differ on purpose: stored
// waveforms and instrument words depend on both.
namespace tlv {

constexpr int kMaxPoints = 16384;     // points 0..16383
constexpr int kLastPoint = 16383;
constexpr int kPlotColumns = 513;     // plot x 0..512
constexpr int kPlotWidth = 512;
constexpr int kPlotHeight = 304;
constexpr double kEndMarker = 999.0;  // closes the data in every store of doubles

double MillivoltsToPlotY(double millivolts);
double PlotYToMillivolts(float y);
double PlotXToPoint(float x);
double PlotYFromCentre(double y);

}  // namespace tlv
