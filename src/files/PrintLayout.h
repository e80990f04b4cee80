#pragma once

#include <QLineF>
#include <QPointF>
#include <QString>
#include <vector>

// The printed page in twips (1/1440 inch) from the top-left corner of the printable area.
namespace tlv {

constexpr int kTwipsPerInch = 1440;
constexpr int kPrintFrameLeft = 1000;
constexpr int kPrintFrameTop = 1000;
constexpr int kPrintFrameRight = 14125;
constexpr int kPrintFrameBottom = 8600;
constexpr int kPrintCellHeight = 950;        // 7600 / 8
constexpr int kPrintVoltageLabelX = 14600;
constexpr int kPrintPointLabelY = 8900;
// Line widths are given in printer dots; a dot is taken as 1/288 inch.
constexpr int kPrintDotTwips = 5;

// 13125 / 10 rounded, halves to even: the tenth grid line falls at 14120, five twips short of
// the end of the top and bottom edges.
int PrintCellWidth();

struct PrintLine {
    QLineF line;
    bool dotted = false;
};
// The frame's left and top edges, then the vertical and the horizontal grid lines; the last of
// each (right and bottom edge) is solid, the others dotted.
std::vector<PrintLine> PrintGridLines();

// Where plot column k at plot row y lands on the page.
QPointF PrintCurvePoint(int column, double plotRow);

struct PrintLabel {
    QString text;
    QPointF topLeft;
};
std::vector<PrintLabel> PrintVoltageLabels();
std::vector<PrintLabel> PrintPointLabels();

// The caption stands three empty lines below the line of the point labels, at the frame's left.
QPointF PrintCaptionTopLeft(double lineSpacing);

}  // namespace tlv
