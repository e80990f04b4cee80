#include "display/PlotGeometry.h"

#include <cmath>

namespace tlv {

QSizeF BoxScale(WindowState state)
{
    return state == WindowState::Normal ? QSizeF(570, 370) : QSizeF(550, 350);
}

QRect BoxRect(QSize client)
{
    int width = std::max(1, client.width() - kBoxLeft - kBoxMarginRight);
    int height = std::max(1, client.height() - kBoxTop - kBoxMarginBottom);
    return QRect(kBoxLeft, kBoxTop, width, height);
}

QSize NormalClientSize()
{
    return QSize(kBoxLeft + kNormalBoxWidth + kBoxMarginRight,
                 kBoxTop + kNormalBoxHeight + kBoxMarginBottom);
}

std::vector<QLineF> GridLines(WindowState state)
{
    const bool normal = state == WindowState::Normal;
    const int columns = normal ? 10 : 20;
    const int rows = normal ? 8 : 16;
    const double dx = normal ? 51.2 : 25.6;
    const double dy = normal ? 38.0 : 19.0;
    std::vector<QLineF> lines;
    lines.emplace_back(0, 0, 512, 0);
    lines.emplace_back(0, 0, 0, 304);
    for (int i = 1; i <= columns; ++i)
        lines.emplace_back(dx * i, 0, dx * i, 304);
    for (int i = 1; i <= rows; ++i)
        lines.emplace_back(0, dy * i, 512, dy * i);
    return lines;
}

int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

std::vector<AxisLabel> VoltageLabels(WindowState state, QRect box)
{
    std::vector<AxisLabel> labels;
    if (state == WindowState::Normal) {
        static const struct { const char* text; int x, y; } fixed[] = {
            {"5.000 V", 11, 45},   {"3.750 V", 11, 81},   {"2.500 V", 11, 119},
            {"1.250 V", 11, 159},  {"0.000 V", 11, 193},  {"-1.250 V", 8, 231},
            {"-2.500 V", 8, 269},  {"-3.750 V", 8, 307},  {"-5.000 V", 8, 345},
        };
        for (const auto& label : fixed)
            labels.push_back({QString::fromLatin1(label.text), QPoint(label.x, label.y)});
        return labels;
    }
    for (int k = 0; k <= 16; ++k) {
        double volts = 5.0 - 0.625 * k;
        QString text = QString::number(volts, 'f', 3) + " V";
        int x = volts < 0 ? 8 : 11;
        int y = RoundHalfEven(box.top() + k * box.height() / 18.7);
        labels.push_back({text, QPoint(x, y)});
    }
    return labels;
}

std::vector<AxisLabel> PointLabels(WindowState state, QRect box)
{
    std::vector<AxisLabel> labels;
    if (state == WindowState::Normal) {
        static const struct { const char* text; int x; } fixed[] = {
            {"1", 50},     {"1638", 90},   {"3277", 143},  {"4915", 195},
            {"6554", 247}, {"8192", 298},  {"9830", 348},  {"11469", 396},
            {"13107", 448}, {"14746", 500}, {"16383", 546},
        };
        for (const auto& label : fixed)
            labels.push_back({QString::fromLatin1(label.text), QPoint(label.x, 28)});
        return labels;
    }
    static const char* const texts[] = {"1",     "819",   "1638",  "2457",  "3277",  "4096",
                                        "4915",  "5735",  "6554",  "7373",  "8192",  "9011",
                                        "9830",  "10650", "11469", "12288", "13107", "13926",
                                        "14746", "15565", "16383"};
    for (int k = 0; k <= 20; ++k) {
        int x = RoundHalfEven(box.left() + k * box.width() / 22.0);
        labels.push_back({QString::fromLatin1(texts[k]), QPoint(x, 28)});
    }
    return labels;
}

}  // namespace tlv
