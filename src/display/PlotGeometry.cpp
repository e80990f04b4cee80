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

namespace {

// The window pixel of a plot coordinate in a box of the given state.
double BoxPixelY(QRect box, WindowState state, double plotY)
{
    return box.top() + plotY * box.height() / BoxScale(state).height();
}

double BoxPixelX(QRect box, WindowState state, double plotX)
{
    return box.left() + plotX * box.width() / BoxScale(state).width();
}

// A normal-state label keeps its distance from its grid line: at the default window size it
// stands exactly at its listed pixel, and at any other size it moves with the line.
int FollowLine(int listed, double lineAtDefault, double lineNow)
{
    return RoundHalfEven(lineNow + (listed - lineAtDefault));
}

}  // namespace

std::vector<AxisLabel> VoltageLabels(WindowState state, QRect box)
{
    std::vector<AxisLabel> labels;
    if (state == WindowState::Normal) {
        static const struct { const char* text; int x, y; } fixed[] = {
            {"5.000 V", 11, 45},   {"3.750 V", 11, 81},   {"2.500 V", 11, 119},
            {"1.250 V", 11, 159},  {"0.000 V", 11, 193},  {"-1.250 V", 8, 231},
            {"-2.500 V", 8, 269},  {"-3.750 V", 8, 307},  {"-5.000 V", 8, 345},
        };
        const QRect defaultBox = BoxRect(NormalClientSize());
        for (int k = 0; k < 9; ++k) {
            const double line = 38.0 * k;
            int y = FollowLine(fixed[k].y, BoxPixelY(defaultBox, state, line),
                               BoxPixelY(box, state, line));
            labels.push_back({QString::fromLatin1(fixed[k].text), QPoint(fixed[k].x, y)});
        }
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
        const QRect defaultBox = BoxRect(NormalClientSize());
        for (int j = 0; j < 11; ++j) {
            const double line = 51.2 * j;
            int x = FollowLine(fixed[j].x, BoxPixelX(defaultBox, state, line),
                               BoxPixelX(box, state, line));
            labels.push_back({QString::fromLatin1(fixed[j].text), QPoint(x, 28)});
        }
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
