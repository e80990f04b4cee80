#include "synthesis/CombineForm.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "display/PlotPainter.h"
#include "model/CommandNames.h"
#include "model/EditTransaction.h"
#include "model/Prompter.h"
#include "model/VoltsText.h"
#include "model/Workspace.h"
#include "model/DialogPlacement.h"
#include "synthesis/NewSegmentForm.h"
#include "synthesis/ShapeTable.h"

namespace tlv {

namespace {

struct OperationTexts {
    const char* caption;
    const char* symbol;  // between the selection and the standard wave
    const char* summary;
};

OperationTexts TextsOf(CombineOperation operation)
{
    switch (operation) {
    case CombineOperation::Add: return {"Add", "+", "Selection + Standard Wave"};
    case CombineOperation::Subtract: return {"Subtract", "-", "Selection - Standard Wave"};
    case CombineOperation::Multiply: return {"Multiply", "x", "Selection x Standard Wave"};
    }
    return {};
}

constexpr int kPictureTop = 40;
constexpr QSize kPictureSize(static_cast<int>(kPictureWidth), static_cast<int>(kPictureHeight));

void ClearEntries(std::vector<double>& values, size_t first, size_t last)
{
    std::fill(values.begin() + static_cast<std::ptrdiff_t>(first),
              values.begin() + static_cast<std::ptrdiff_t>(last + 1), 0.0);
}

}  // namespace

CombineForm::CombineForm(Workspace& ws, CombineOperation operation)
    : DialogForm(TextsOf(operation).caption, QSize(516, 196)), ws_(ws), operation_(operation)
{
    const OperationTexts texts = TextsOf(operation);
    add("Label1", ControlKind::Label, QRect(16, 16, 140, 20), "Selection");
    add("Picture1", ControlKind::Picture, QRect(QPoint(16, kPictureTop), kPictureSize));
    add("Image1", ControlKind::Picture, QRect(160, 72, 24, 28), texts.symbol);
    add("optWave", ControlKind::Option, QRect(188, 14, 140, 22), "&Standard Wave");
    add("Picture3", ControlKind::Picture, QRect(QPoint(188, kPictureTop), kPictureSize));
    add("Image2", ControlKind::Picture, QRect(332, 72, 24, 28), "=");
    add("Label2", ControlKind::Label, QRect(360, 16, 140, 20), "Result");
    add("Picture2", ControlKind::Picture, QRect(QPoint(360, kPictureTop), kPictureSize));
    add("Label3", ControlKind::Label, QRect(16, 158, 220, 20), texts.summary);
    add("cmdOk", ControlKind::Button, QRect(248, 152, 80, 28), "OK");
    add("cmdCancel", ControlKind::Button, QRect(334, 152, 80, 28), "Cancel");
    add("cmdRedo", ControlKind::Button, QRect(420, 152, 80, 28), "Redo");

    EditState& edit = ws_.edit;
    edit.SelPreview.fill(0.0);
    ws_.work.WorkPreview.fill(0.0);
    if (operation_ == CombineOperation::Add) {
        std::fill(edit.SelVolts.begin(), edit.SelVolts.end(), 0.0);
        std::fill(ws_.work.WorkVolts.begin(), ws_.work.WorkVolts.end(), 0.0);
    }
    ws_.CaptureSelection();
    // The selection spans the picture: its last value lands on the right edge.
    if (edit.SelLast >= 0) {
        const auto selected = static_cast<size_t>(edit.SelLast) + 1;
        selection_ = {PlotRowsOf({edit.SelVolts.data(), selected}), std::max<double>(edit.SelLast, 1)};
    }
}

std::optional<QPoint> CombineForm::placement(const QRect& frame) const
{
    return CentredPosition(frame, size());
}

std::vector<QPointF> CombineForm::pictureTrace(const QString& name) const
{
    const Picture* picture = name == "Picture1"   ? &selection_
                             : name == "Picture3" ? &standard_
                             : name == "Picture2" ? &result_
                                                  : nullptr;
    return picture ? PictureTrace(picture->rows, picture->span) : std::vector<QPointF>();
}

void CombineForm::paintPicture(const QString& name, QPainter& painter, QSize size) const
{
    if (name.startsWith("Image")) {  // the operation's symbol between the pictures
        QFont font = painter.font();
        font.setPixelSize(size.height() - 6);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, control(name)->text);
        return;
    }
    painter.fillRect(QRect(QPoint(0, 0), size), kPlotBackground);
    const std::vector<QPointF> trace = pictureTrace(name);
    if (trace.empty())
        return;
    painter.save();
    painter.scale(size.width() / kPictureWidth, size.height() / kPictureHeight);
    QPen pen(kTraceColour);
    pen.setCosmetic(true);
    painter.setPen(pen);
    if (trace.size() == 1)
        painter.drawPoint(trace.front());
    else
        painter.drawPolyline(trace.data(), static_cast<int>(trace.size()));
    painter.restore();
}

void CombineForm::clicked(const QString& name)
{
    if (name == "optWave")
        chooseStandardWave();
    else if (name == "cmdRedo")
        redo();
    else if (name == "cmdOk")
        apply();
    else if (name == "cmdCancel")
        closeDialog();
}

void CombineForm::chooseStandardWave()
{
    if (waveOption_)
        return;
    waveOption_ = true;
    ws_.seg.SegKind = Shape::Sine;
    NewSegmentForm segment(ws_);
    ws_.prompter->runModal(segment);
    if (segment.previewed()) {
        combineStandardWave(segment.control("txtPoint")->text);
    } else if (segment.cancelled()) {
        waveOption_ = false;
        at("optWave").selected = false;
    }
}

void CombineForm::combineStandardWave(const QString& pointsText)
{
    const std::vector<double>& work = ws_.work.WorkVolts;
    const int previewCount = ws_.seg.PreviewCount;
    standard_ = {PlotRowsOf({work.data(), static_cast<size_t>(previewCount)}),
                 static_cast<double>(previewCount)};

    // The result runs over txtPoint points, and never onto the last buffer entry.
    const int last = std::min(static_cast<int>(std::trunc(TextToNumber(pointsText.toStdString()))) - 1,
                              kLastPoint - 1);
    Combination result = Combine(operation_, ws_.edit.SelVolts, work, last);
    // A standard wave of no points (a phase out of range) still spreads the result.
    result_ = {std::move(result.rows), static_cast<double>(previewCount > 0 ? previewCount : last + 1)};
    combineVolts_ = std::move(result.volts);
    changed();
}

void CombineForm::redo()
{
    waveOption_ = false;
    at("optWave").selected = false;
    standard_ = {};
    result_ = {};
    std::vector<double>& work = ws_.work.WorkVolts;
    if (operation_ == CombineOperation::Add) {
        std::fill(work.begin(), work.end(), 0.0);
        combineVolts_.clear();
        ws_.edit.SelPreview.fill(0.0);
        ws_.work.WorkPreview.fill(0.0);
    } else {
        // Subtract and Multiply keep the result last computed: OK still writes it.
        ClearEntries(work, 1, 512);
    }
}

void CombineForm::apply()
{
    if (combineVolts_.empty()) {
        closeDialog();
        return;
    }
    EditState& edit = ws_.edit;
    {
        EditTransaction tx(ws_, EditTransaction::Closing::CommitAndReplot);
        tx.SnapshotForUndo(UndoExtent::WholeBuffer);
        std::vector<double> clipped(combineVolts_.size());
        std::transform(combineVolts_.begin(), combineVolts_.end(), clipped.begin(), [](double v) {
            return std::clamp(static_cast<double>(static_cast<float>(v)), -5.0, 5.0);
        });
        tx.OverwritePoints(static_cast<int>(std::trunc(edit.SelStartPoint)), clipped, kLastPoint);
    }

    ws_.commands.setButtonEnabled(1, Tb1::Undo, true);
    ws_.commands.disableButtons(1, {Tb1::Cut, Tb1::Copy});
    ws_.commands.setEnabled(Cmd::Undo, true);
    ws_.commands.disable({Cmd::Cut, Cmd::Copy});
    edit.SelPreview.fill(0.0);
    ws_.work.WorkPreview.fill(0.0);
    combineVolts_.clear();
    closeDialog();
}

void CombineForm::closeDialog()
{
    ws_.seg.AddPending = ws_.seg.SubtractPending = ws_.seg.MultiplyPending = false;
    ws_.work.SelectAllActive = false;
    close();
}

void OpenCombineDialog(Workspace& ws, CombineOperation operation)
{
    ClearEntries(ws.edit.SelVolts, 1, 512);
    ClearEntries(ws.work.WorkVolts, 1, 512);
    ws.seg.AddPending = operation == CombineOperation::Add;
    ws.seg.SubtractPending = operation == CombineOperation::Subtract;
    ws.seg.MultiplyPending = operation == CombineOperation::Multiply;
    CombineForm form(ws, operation);
    ws.prompter->runModal(form);
}

}  // namespace tlv
