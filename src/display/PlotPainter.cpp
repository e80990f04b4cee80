#include "display/PlotPainter.h"

#include <QFontMetrics>
#include <algorithm>
#include <QPainter>
#include <QPolygonF>

#include "display/PlotGeometry.h"

namespace tlv {

namespace {

// The selection inverts what lies under it, as white drawn with XOR would, so the trace stays
// visible inside the band; it is painted anew from the state every time, never erased.
void PaintSelection(QPainter& painter, const PlotOverlay& overlay)
{
    const int from = std::clamp(std::min(overlay.selectionFrom, overlay.selectionTo), 0, 512);
    const int to = std::clamp(std::max(overlay.selectionFrom, overlay.selectionTo), 0, 512);
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    QPen pen(kSelectionColour);
    pen.setCosmetic(true);
    painter.setPen(pen);
    if (from == to)
        painter.drawLine(QPointF(from, 0), QPointF(from, 304));
    else
        painter.fillRect(QRectF(from, 0, to - from, 304), kSelectionColour);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void PaintRubberBand(QPainter& painter, const QLineF& line)
{
    QPen pen(kLineToolColour);
    pen.setCosmetic(true);
    painter.setPen(pen);
    auto inside = [](QPointF p) { return QPointF(p.x(), std::clamp(p.y(), 0.0, 304.0)); };
    painter.drawLine(inside(line.p1()), inside(line.p2()));
}

}  // namespace

void PaintPlot(QPainter& painter, QSize box, WindowState state, const double* rows, int count,
               const PlotOverlay& overlay, const std::vector<ColumnRange>& ranges)
{
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), box), kPlotBackground);
    QSizeF scale = BoxScale(state);
    painter.scale(box.width() / scale.width(), box.height() / scale.height());
    painter.setRenderHint(QPainter::Antialiasing, false);

    QPen grid(kGridColour);
    grid.setCosmetic(true);
    painter.setPen(grid);
    for (const QLineF& line : GridLines(state))
        painter.drawLine(line);

    // The trace goes on top of the grid, and a level at the very edge (+5 V is at y = -0.06)
    // stays on the border line instead of falling just outside the box.
    auto inBox = [](double row) { return std::clamp(row, 0.0, 304.0); };
    auto row = [rows, inBox](int k) { return inBox(rows[k]); };
    QPen trace(kTraceColour);
    trace.setCosmetic(true);
    painter.setPen(trace);
    for (size_t k = 0; k < ranges.size(); ++k)
        if (ranges[k].top != ranges[k].bottom)
            painter.drawLine(QPointF(k, inBox(ranges[k].top)), QPointF(k, inBox(ranges[k].bottom)));
    if (count > 0) {
        if (count == 1) {
            painter.drawPoint(QPointF(0, row(0)));
        } else {
            QPolygonF polyline;
            polyline.reserve(count);
            for (int k = 0; k < count; ++k)
                polyline << QPointF(k, row(k));
            painter.drawPolyline(polyline);
        }
    }
    if (overlay.selection)
        PaintSelection(painter, overlay);
    if (overlay.rubberBand)
        PaintRubberBand(painter, overlay.rubberLine);
    painter.restore();
}

void PaintAxisLabels(QPainter& painter, QSize client, WindowState state)
{
    QRect box = BoxRect(client);
    painter.save();
    painter.setPen(Qt::black);
    // A label's position is where its digits begin: the top of the figures, not of the font's
    // line, so that the figures centre on their grid line.
    const int capHeight = QFontMetrics(painter.font()).capHeight();
    auto draw = [&](const AxisLabel& label) {
        painter.drawText(label.topLeft + QPoint(0, capHeight), label.text);
    };
    for (const AxisLabel& label : VoltageLabels(state, box))
        draw(label);
    for (const AxisLabel& label : PointLabels(state, box))
        draw(label);
    painter.restore();
}

}  // namespace tlv
