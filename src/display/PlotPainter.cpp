#include "display/PlotPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include "display/PlotGeometry.h"

namespace tlv {

void PaintPlot(QPainter& painter, QSize box, WindowState state, const double* rows, int count)
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

    if (count > 0) {
        QPen trace(kTraceColour);
        trace.setCosmetic(true);
        painter.setPen(trace);
        if (count == 1) {
            painter.drawPoint(QPointF(0, rows[0]));
        } else {
            QPolygonF polyline;
            polyline.reserve(count);
            for (int k = 0; k < count; ++k)
                polyline << QPointF(k, rows[k]);
            painter.drawPolyline(polyline);
        }
    }
    painter.restore();
}

void PaintAxisLabels(QPainter& painter, QSize client, WindowState state)
{
    QRect box = BoxRect(client);
    painter.save();
    painter.setPen(Qt::black);
    QFontMetrics metrics(painter.font());
    auto draw = [&](const AxisLabel& label) {
        QRect rect(label.topLeft, metrics.size(Qt::TextSingleLine, label.text));
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, label.text);
    };
    for (const AxisLabel& label : VoltageLabels(state, box))
        draw(label);
    for (const AxisLabel& label : PointLabels(state, box))
        draw(label);
    painter.restore();
}

}  // namespace tlv
