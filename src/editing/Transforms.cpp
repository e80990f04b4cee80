#include "editing/Transforms.h"

#include <algorithm>
#include <cmath>

#include "model/CommandNames.h"
#include "model/EditTransaction.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

namespace {

// Captures the selection and takes the whole buffer as the undo snapshot. Returns the captured
// values (none when the selection lies past the end of the waveform).
std::span<const double> BeginInPlace(Workspace& ws, EditTransaction& tx)
{
    ws.CaptureSelection();
    tx.SnapshotForUndo(UndoExtent::WholeBuffer);
    const int captured = std::max(ws.edit.SelLast + 1, 0);
    return {ws.edit.SelVolts.data(), static_cast<size_t>(captured)};
}

// Writes the transformed selection back from its first point on. It never passes the end of the
// waveform, nor the last buffer entry, which the write-back leaves alone.
void WriteBackInPlace(const EditState& edit, EditTransaction& tx, std::span<const double> volts)
{
    const int first = static_cast<int>(std::trunc(edit.SelStartPoint));
    tx.OverwritePoints(first, volts, std::min(static_cast<int>(edit.PointCount), kLastPoint));
}

// Invert and Absolute: each value, taken to single precision, through the rule. The results
// have a buffer of their own, so that the clipboard (WorkVolts) survives a transform.
template <typename Rule>
void TransformSelection(Workspace& ws, EditTransaction& tx, Rule rule)
{
    const std::span<const double> selected = BeginInPlace(ws, tx);
    std::vector<double> transformed(selected.size());
    for (size_t k = 0; k < selected.size(); ++k)
        transformed[k] = rule(static_cast<double>(static_cast<float>(selected[k])));
    WriteBackInPlace(ws.edit, tx, transformed);
}

void SelectMarkerTool(Workspace& ws)
{
    ws.edit.ToolMode = 0;
    ws.commands.setButtonPressed(2, Tb2::Marker, true);
    ws.commands.setButtonPressed(2, Tb2::FreeHand, false);
    ws.commands.setButtonPressed(2, Tb2::Line, false);
}

}  // namespace

void Invert(Workspace& ws)
{
    EditTransaction tx(ws, EditTransaction::Closing::CommitAndReplot);
    TransformSelection(ws, tx, [](double v) { return -v; });
}

void Absolute(Workspace& ws)
{
    EditTransaction tx(ws, EditTransaction::Closing::CommitAndReplot);
    tx.SetPointCount(CountEditBuffer(ws.edit));
    TransformSelection(ws, tx, [](double v) { return std::abs(v); });
}

void Mirror(Workspace& ws)
{
    EditTransaction tx(ws, EditTransaction::Closing::CommitAndReplot);
    const std::span<const double> selected = BeginInPlace(ws, tx);
    const std::vector<double> reversed(selected.rbegin(), selected.rend());
    WriteBackInPlace(ws.edit, tx, reversed);
}

int ExpandFactor(int count)
{
    return kLastPoint / (count + 1);
}

std::vector<double> ExpandedVolts(std::span<const double> volts, int factor)
{
    std::vector<double> out;
    if (volts.size() < 2 || factor < 1)
        return out;
    out.reserve(std::min<size_t>((volts.size() - 1) * static_cast<size_t>(factor), kLastPoint));
    for (size_t i = 0; i + 1 < volts.size(); ++i) {
        const double a = volts[i];
        const double b = volts[i + 1];
        for (int j = 1; j <= factor; ++j) {
            if (out.size() == kLastPoint)
                return out;
            // Each interval ends exactly on its next point.
            out.push_back(j == factor ? b : a + (b - a) * j / factor);
        }
    }
    return out;
}

void ExpandToFit(Workspace& ws)
{
    EditState& edit = ws.edit;
    SelectMarkerTool(ws);
    const int factor = ExpandFactor(static_cast<int>(edit.PointCount));
    if (factor < 2) {
        ws.prompter->message("Shortage Editing Space ", "TLV", Buttons::Ok, Icon::None);
        return;
    }
    const int count = PointsInEditBuffer(edit);
    if (count < 2)
        return;

    ws.prompter->showWait();
    EditTransaction tx(ws, EditTransaction::Closing::CommitAndReplot);
    tx.SnapshotForUndo(UndoExtent::WholeBuffer);
    ws.DrawGrid();
    tx.WritePoints(0, ExpandedVolts({edit.WaveText.values(), static_cast<size_t>(count)}, factor));
    tx.finish();
    ws.prompter->closeWait();
}

}  // namespace tlv
