#include "editing/Transforms.h"

#include <algorithm>
#include <cmath>

#include "model/CommandNames.h"
#include "model/EditPath.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

namespace {

// Captures the selection and takes the whole buffer as the undo snapshot. Returns the captured
// values (none when the selection lies past the end of the waveform).
std::span<const double> BeginInPlace(Workspace& ws)
{
    ws.CaptureSelection();
    SnapshotForUndo(ws.edit, UndoExtent::WholeBuffer);
    const int captured = std::max(ws.edit.SelLast + 1, 0);
    return {ws.edit.SelVolts.data(), static_cast<size_t>(captured)};
}

// Writes the transformed selection back from its first point on. It never passes the end of the
// waveform, nor the last buffer entry, which the write-back leaves alone.
void WriteBackInPlace(Workspace& ws, std::span<const double> volts)
{
    EditState& edit = ws.edit;
    const int first = static_cast<int>(std::trunc(edit.SelStartPoint));
    OverwritePoints(edit, first, volts, std::min(static_cast<int>(edit.PointCount), kLastPoint));
    ws.CommitEditBuffer();
    ws.DrawGrid();
    ws.RebuildPlotCache();
}

// Invert and Absolute: each value, taken to single precision, through the rule. The results
// have a buffer of their own, so that the clipboard (WorkVolts) survives a transform.
template <typename Rule>
void TransformSelection(Workspace& ws, Rule rule)
{
    const std::span<const double> selected = BeginInPlace(ws);
    std::vector<double> transformed(selected.size());
    for (size_t k = 0; k < selected.size(); ++k)
        transformed[k] = rule(static_cast<double>(static_cast<float>(selected[k])));
    WriteBackInPlace(ws, transformed);
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
    TransformSelection(ws, [](double v) { return -v; });
}

void Absolute(Workspace& ws)
{
    ws.edit.PointCount = CountEditBuffer(ws.edit);
    TransformSelection(ws, [](double v) { return std::abs(v); });
}

void Mirror(Workspace& ws)
{
    const std::span<const double> selected = BeginInPlace(ws);
    const std::vector<double> reversed(selected.rbegin(), selected.rend());
    WriteBackInPlace(ws, reversed);
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
    SnapshotForUndo(edit, UndoExtent::WholeBuffer);
    ws.DrawGrid();
    WritePoints(edit, 0, ExpandedVolts({edit.WaveText.values(), static_cast<size_t>(count)}, factor));
    ws.CommitEditBuffer();
    ws.DrawGrid();
    ws.RebuildPlotCache();
    ws.prompter->closeWait();
}

}  // namespace tlv
