#include "synthesis/EquationForm.h"

#include <QPainter>
#include <QRegularExpression>

#include "display/PlotPainter.h"
#include "model/Prompter.h"
#include "model/Scale.h"
#include "model/Workspace.h"
#include "synthesis/Equation.h"
#include "synthesis/Generators.h"

namespace tlv {

namespace {

constexpr int kPreviewColumns = 448;

QString PointsRefusal()
{
    return QString("The points must be a whole number from 1 to %1.").arg(kMaxEquationPoints);
}

QString ClippedText(int clipped)
{
    return clipped == 1 ? QStringLiteral("1 point was clipped to +/-5 V.")
                        : QString("%1 points were clipped to +/-5 V.").arg(clipped);
}

}  // namespace

std::optional<int> EquationPoints(const QString& text)
{
    static const QRegularExpression digits("^\\s*\\d{1,5}\\s*$");
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int points = text.trimmed().toInt();
    if (points < 1 || points > kMaxEquationPoints)
        return std::nullopt;
    return points;
}

EquationPreview PreviewEquation(const QString& expression, const QString& points, int columns)
{
    const std::optional<int> count = EquationPoints(points);
    if (!count)
        return {{}, PointsRefusal()};
    Equation equation;
    if (std::optional<EquationError> error = equation.compile(expression))
        return {{}, error->text};
    auto result = equation.evaluate(*count);
    if (const auto* error = std::get_if<EquationError>(&result))
        return {{}, error->text};
    const EquationSegment& segment = std::get<EquationSegment>(result);
    QString reading = QString("%1 points.").arg(*count);
    if (segment.clipped > 0)
        reading += " " + ClippedText(segment.clipped);
    return {PreviewColumns(segment.volts, columns), reading};
}

EquationForm::EquationForm(Workspace& ws) : DialogForm("Equation", QSize(480, 332)), ws_(ws)
{
    add(MakeControl("lblExpression", ControlKind::Label, QRect(16, 12, 448, 20),
                    "Volts of n (0 to N-1), N (the points) and t = n/N:"));
    add(MakeControl("txtExpression", ControlKind::TextBox, QRect(16, 34, 448, 24),
                    ws.seg.EquationText));
    add(MakeControl("lblPoint", ControlKind::Label, QRect(16, 73, 80, 20), "Data Point"));
    add(MakeControl("txtPoint", ControlKind::TextBox, QRect(100, 70, 92, 24),
                    ws.seg.EquationPoints));
    // OK comes first of the buttons, so that Enter in a box presses it.
    add(MakeControl("cmdOK", ControlKind::Button, QRect(296, 68, 80, 28), "OK"));
    add(MakeControl("cmdCancel", ControlKind::Button, QRect(384, 68, 80, 28), "Cancel"));
    add(MakeControl("picPreview", ControlKind::Picture, QRect(16, 108, 448, 160)));
    add(MakeControl("lblReading", ControlKind::Label, QRect(16, 276, 448, 44)));
    refreshPreview();
}

void EquationForm::textChanged(const QString& name)
{
    if (name == "txtExpression" || name == "txtPoint")
        refreshPreview();
}

void EquationForm::refreshPreview()
{
    preview_ = PreviewEquation(text("txtExpression"), text("txtPoint"), kPreviewColumns);
    setText("lblReading", preview_.reading);
}

void EquationForm::paintPicture(const QString&, QPainter& painter, QSize size) const
{
    painter.fillRect(QRect(QPoint(0, 0), size), kPlotBackground);
    painter.setPen(kGridColour);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    const double rowScale = (size.height() - 1) / static_cast<double>(kPlotHeight);
    const int zero = static_cast<int>(kPlotHeight / 2 * rowScale);
    painter.drawLine(0, zero, size.width() - 1, zero);
    if (preview_.columns.empty())
        return;
    // Each column spans its share of the width, from its highest to its lowest value.
    painter.setPen(kTraceColour);
    const double columnWidth = static_cast<double>(size.width()) / preview_.columns.size();
    for (size_t c = 0; c < preview_.columns.size(); ++c) {
        const int x = static_cast<int>(c * columnWidth);
        const PreviewColumn& column = preview_.columns[c];
        painter.drawLine(x, static_cast<int>(column.top * rowScale), x,
                         static_cast<int>(column.bottom * rowScale));
    }
}

void EquationForm::clicked(const QString& name)
{
    if (name == "cmdOK") {
        ok();
    } else if (name == "cmdCancel") {
        keepTexts();
        close();
    }
}

void EquationForm::keepTexts()
{
    ws_.seg.EquationText = text("txtExpression");
    ws_.seg.EquationPoints = text("txtPoint");
}

void EquationForm::refuse(const QString& text)
{
    ws_.prompter->message(text, "TLV", Buttons::Ok, Icon::Exclamation);
}

void EquationForm::ok()
{
    keepTexts();
    const std::optional<int> points = EquationPoints(text("txtPoint"));
    if (!points)
        return refuse(PointsRefusal());
    Equation equation;
    if (std::optional<EquationError> error = equation.compile(text("txtExpression")))
        return refuse(error->text);
    auto result = equation.evaluate(*points);
    if (const auto* error = std::get_if<EquationError>(&result))
        return refuse(error->text);

    close();
    EquationSegment& segment = std::get<EquationSegment>(result);
    // The room check leaves room for every point.
    const bool appended = AppendSegment(ws_, *points, [&segment](int) { return segment.volts; });
    if (appended && segment.clipped > 0)
        ws_.prompter->message(ClippedText(segment.clipped), "TLV", Buttons::Ok, Icon::Information);
}

}  // namespace tlv
