#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <functional>

namespace tlv {

namespace {

QIcon Draw(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(20, 40, 120), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(painter);
    return QIcon(pixmap);
}

// A curve y(t) for t in 0..1, y in -1..1, across the icon.
QIcon Curve(const std::function<double(double)>& y)
{
    return Draw([&](QPainter& p) {
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.drawLine(2, 12, 22, 12);
        p.setPen(QPen(QColor(20, 40, 120), 1.6));
        QPainterPath path;
        for (int i = 0; i <= 40; ++i) {
            double t = i / 40.0;
            QPointF point(2 + 20 * t, 12 - 8 * y(t));
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        p.drawPath(path);
    });
}

QIcon Page(const std::function<void(QPainter&)>& extra)
{
    return Draw([&](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{5, 2}, {15, 2}, {19, 6}, {19, 22}, {5, 22}}));
        extra(p);
    });
}

}  // namespace

QIcon ToolbarIcon(int toolbar, int index)
{
    constexpr double pi = 3.14159265358979;
    if (toolbar == 1) {
        switch (index) {
        case 1: return Page([](QPainter&) {});
        case 2: return Draw([](QPainter& p) {
            p.setBrush(QColor(240, 200, 80));
            p.drawPolygon(QPolygonF({{2, 8}, {9, 8}, {11, 10}, {22, 10}, {22, 20}, {2, 20}}));
        });
        case 3: return Draw([](QPainter& p) {
            p.setBrush(QColor(90, 110, 200));
            p.drawRect(3, 3, 18, 18);
            p.setBrush(Qt::white);
            p.drawRect(7, 3, 10, 7);
        });
        case 5: return Page([](QPainter& p) { p.drawLine(8, 12, 16, 12); p.drawLine(12, 8, 16, 12); p.drawLine(12, 16, 16, 12); });
        case 7: return Draw([](QPainter& p) { p.drawArc(5, 6, 14, 12, 30 * 16, 240 * 16); p.drawLine(5, 8, 6, 13); p.drawLine(6, 13, 11, 12); });
        case 9: return Draw([](QPainter& p) { p.drawEllipse(4, 15, 6, 6); p.drawEllipse(14, 15, 6, 6); p.drawLine(9, 16, 17, 3); p.drawLine(15, 16, 7, 3); });
        case 10: return Draw([](QPainter& p) { p.setBrush(Qt::white); p.drawRect(3, 3, 12, 14); p.drawRect(9, 7, 12, 14); });
        case 11: return Draw([](QPainter& p) { p.setBrush(QColor(200, 160, 90)); p.drawRect(4, 4, 16, 18); p.setBrush(Qt::white); p.drawRect(9, 9, 10, 12); });
        case 13: return Draw([](QPainter& p) { p.drawRect(3, 14, 18, 7); p.drawLine(12, 2, 12, 12); p.drawLine(8, 8, 12, 12); p.drawLine(16, 8, 12, 12); });
        case 15: return Draw([](QPainter& p) { p.setBrush(Qt::white); p.drawRect(6, 3, 12, 8); p.setBrush(QColor(180, 180, 180)); p.drawRect(3, 10, 18, 8); p.setBrush(Qt::white); p.drawRect(6, 15, 12, 6); });
        case 17: return Draw([](QPainter& p) {
            QFont font = p.font(); font.setBold(true); font.setPixelSize(18); p.setFont(font);
            p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, "?");
        });
        default: return {};
        }
    }
    switch (index) {
    case 1: return Draw([](QPainter& p) { p.setBrush(Qt::white); p.drawPolygon(QPolygonF({{6, 3}, {6, 19}, {10, 15}, {13, 21}, {15, 20}, {12, 14}, {18, 14}})); });
    case 3: return Draw([](QPainter& p) {
        QPainterPath path(QPointF(3, 18));
        path.cubicTo(8, 2, 12, 22, 21, 5);
        p.drawPath(path);
    });
    case 4: return Draw([](QPainter& p) { p.drawLine(3, 20, 21, 4); p.drawEllipse(QPointF(3, 20), 1.5, 1.5); p.drawEllipse(QPointF(21, 4), 1.5, 1.5); });
    case 6: return Curve([=](double t) { return std::sin(2 * pi * t); });
    case 7: return Curve([](double t) { return t < 0.25 ? 4 * t : t < 0.75 ? 2 - 4 * t : 4 * t - 4; });
    case 8: return Curve([](double t) { return t < 0.5 ? 0.8 : -0.8; });
    case 9: return Curve([](double t) { return 2 * t - 1; });
    case 10: return Curve([=](double t) { return std::exp(-3 * t) * std::sin(6 * pi * t); });
    case 11: return Curve([](double t) { return 1.6 * (1 - std::exp(-4 * t)) - 0.8; });
    case 12: return Curve([](double t) { return 1.6 * std::exp(-4 * t) - 0.8; });
    case 13: return Curve([](double t) { return std::sin(97 * t) * std::cos(53 * t * t) * 0.9; });
    case 14: return Curve([](double) { return 0.5; });
    default: return {};
    }
}

QIcon FrameIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::black);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.drawRoundedRect(1, 3, 30, 26, 3, 3);
    p.setPen(QPen(QColor(255, 255, 0), 2));
    QPainterPath path(QPointF(4, 16));
    for (int i = 0; i <= 24; ++i)
        path.lineTo(4 + i, 16 - 9 * std::sin(i / 24.0 * 2 * 3.14159265358979));
    p.drawPath(path);
    return QIcon(pixmap);
}

}  // namespace tlv
