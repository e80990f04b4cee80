#include "editing/PointEdits.h"

#include <algorithm>
#include <cmath>

#include "model/EditTransaction.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

namespace {
bool Refuse(Workspace& ws, const QString& text)
{
    ws.prompter->message(text, "TLV", Buttons::Ok, Icon::Exclamation);
    return false;
}
}  // namespace

double SnapToInstrumentStep(double volts)
{
    return std::clamp(-5.0 + std::round((volts + 5.0) / kInstrumentStep) * kInstrumentStep, -5.0, 5.0);
}

bool SetPoints(Workspace& ws, int first, std::span<const double> volts)
{
    if (!ws.activeWindow() || volts.empty())
        return false;
    const int count = static_cast<int>(ws.edit.PointCount);
    const int last = first + static_cast<int>(volts.size()) - 1;
    if (first < 0 || last >= count)
        return Refuse(ws, QString("Point %1 is not part of the waveform (points 0 to %2).")
                              .arg(first < 0 ? first : last)
                              .arg(count - 1));
    if (!std::all_of(volts.begin(), volts.end(), [](double v) { return v >= -5.0 && v <= 5.0; }))
        return Refuse(ws, "A point's value must be a number from -5 V to +5 V.");
    EditTransaction tx(ws, EditTransaction::Closing::CommitAndReplot);
    tx.SnapshotForUndo(UndoExtent::WholeBuffer);
    tx.OverwritePoints(first, volts, count);
    return true;
}

bool SetPointText(Workspace& ws, int index, const QString& text)
{
    bool number = false;
    const double volts = text.trimmed().toDouble(&number);
    if (!number)
        return Refuse(ws, QString("\"%1\" is not a number of volts.").arg(text));
    return SetPoints(ws, index, {&volts, 1});
}

}  // namespace tlv
