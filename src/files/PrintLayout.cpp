#include "files/PrintLayout.h"

#include "display/PlotGeometry.h"

namespace tlv {

int PrintCellWidth()
{
    return RoundHalfEven((kPrintFrameRight - kPrintFrameLeft) / 10.0);
}

std::vector<PrintLine> PrintGridLines()
{
    std::vector<PrintLine> lines;
    lines.push_back({QLineF(kPrintFrameLeft, kPrintFrameTop, kPrintFrameLeft, kPrintFrameBottom), false});
    lines.push_back({QLineF(kPrintFrameLeft, kPrintFrameTop, kPrintFrameRight, kPrintFrameTop), false});
    for (int i = 1; i <= 10; ++i) {
        const double x = kPrintFrameLeft + i * PrintCellWidth();
        lines.push_back({QLineF(x, kPrintFrameTop, x, kPrintFrameBottom), i < 10});
    }
    for (int i = 1; i <= 8; ++i) {
        const double y = kPrintFrameTop + i * kPrintCellHeight;
        lines.push_back({QLineF(kPrintFrameLeft, y, kPrintFrameRight, y), i < 8});
    }
    return lines;
}

QPointF PrintCurvePoint(int column, double plotRow)
{
    return {kPrintFrameLeft + column * 25.5, kPrintFrameTop + plotRow * 25.0};
}

std::vector<PrintLabel> PrintVoltageLabels()
{
    static const std::pair<const char*, int> labels[] = {
        {"5.000 V", 1000},  {"3.750 V", 1825},  {"2.500 V", 2770},  {"1.250 V", 3660},
        {"0.000 V", 4745},  {"-1.250 V", 5770}, {"-2.500 V", 6670}, {"-3.750 V", 7600},
        {"-5.000 V", 8600}};
    std::vector<PrintLabel> out;
    for (const auto& [text, y] : labels)
        out.push_back({QString::fromLatin1(text), QPointF(kPrintVoltageLabelX, y)});
    return out;
}

std::vector<PrintLabel> PrintPointLabels()
{
    static const std::pair<const char*, int> labels[] = {
        {"1", 1000},     {"1638", 2150},  {"3277", 3400},   {"4915", 4650},
        {"6554", 6100},  {"8192", 7400},  {"9830", 8700},   {"11469", 9900},
        {"13107", 11200}, {"14746", 12600}, {"16383", 13800}};
    std::vector<PrintLabel> out;
    for (const auto& [text, x] : labels)
        out.push_back({QString::fromLatin1(text), QPointF(x, kPrintPointLabelY)});
    return out;
}

QPointF PrintCaptionTopLeft(double lineSpacing)
{
    // The line of the last point label and three empty lines lie above the caption.
    return {kPrintFrameLeft, kPrintPointLabelY + 4 * lineSpacing};
}

}  // namespace tlv
