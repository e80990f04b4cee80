#include "files/PrintPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "files/PrintLayout.h"

namespace tlv {

namespace {
void DrawTextAt(QPainter& painter, QPointF topLeft, const QString& text)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(QRectF(topLeft, metrics.size(Qt::TextSingleLine, text)),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}
}  // namespace

void PaintPrintPage(QPainter& painter, const PrintTrace& trace, const QString& caption)
{
    const std::vector<double>& rows = trace.rows;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // On a printer a dot is several device pixels; a picture smaller than the page may make it
    // less than one, and a line that thin fades to grey. No line is drawn thinner than a pixel.
    const double dot = std::max<double>(kPrintDotTwips, 1 / painter.worldTransform().m11());
    for (const PrintLine& line : PrintGridLines()) {
        QPen pen(Qt::black, dot, line.dotted ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(line.line);
    }

    QPen curve(QColor(0, 255, 255), 2 * dot, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(curve);
    for (size_t k = 0; k < trace.ranges.size(); ++k)
        if (trace.ranges[k].top != trace.ranges[k].bottom)
            painter.drawLine(PrintCurvePoint(static_cast<int>(k), trace.ranges[k].top),
                             PrintCurvePoint(static_cast<int>(k), trace.ranges[k].bottom));
    if (rows.size() == 1) {
        painter.drawPoint(PrintCurvePoint(0, rows[0]));
    } else {
        QPolygonF polyline;
        polyline.reserve(static_cast<int>(rows.size()));
        for (size_t k = 0; k < rows.size(); ++k)
            polyline << PrintCurvePoint(static_cast<int>(k), rows[k]);
        painter.drawPolyline(polyline);
    }

    QFont font = painter.font();
    font.setPointSizeF(9);
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const PrintLabel& label : PrintVoltageLabels())
        DrawTextAt(painter, label.topLeft, label.text);
    for (const PrintLabel& label : PrintPointLabels())
        DrawTextAt(painter, label.topLeft, label.text);

    const double lineSpacing = QFontMetricsF(font, painter.device()).lineSpacing();
    font.setBold(true);
    painter.setFont(font);
    DrawTextAt(painter, PrintCaptionTopLeft(lineSpacing), caption);
    painter.restore();
}

}  // namespace tlv
