#include "model/EditPath.h"

#include <algorithm>
#include <cmath>

#include "model/CommandSets.h"
#include "model/Workspace.h"

namespace tlv {

int CountEditBuffer(const EditState& edit)
{
    // A full buffer has no room for the marker: its last entry is then a point, whatever its value.
    if (edit.PointDefined[kLastPoint] && edit.WaveText.value(kLastPoint) != kEndMarker)
        return kMaxPoints;
    for (int i = kLastPoint; i >= 0; --i)
        if (edit.WaveText.value(i) != 0)
            return i;
    return 0;
}

int CountStore(const std::vector<double>& store)
{
    // The marker of a full document sits at index 16384, one past the last point.
    for (int i = static_cast<int>(store.size()) - 1; i >= 0; --i)
        if (store[static_cast<size_t>(i)] == kEndMarker)
            return i;
    return 0;
}

int PointsInEditBuffer(const EditState& edit)
{
    int count = 0;
    for (int i = kLastPoint; i >= 0 && count == 0; --i)
        if (edit.PointDefined[static_cast<size_t>(i)])
            count = i + 1;
    for (int i = 0; i < count; ++i)
        if (edit.WaveText.value(i) == kEndMarker)
            return i;
    return count;
}

int WritePosition(const EditState& edit)
{
    for (int i = kLastPoint; i > 0; --i)
        if (edit.PointDefined[static_cast<size_t>(i)])
            return i + 1;
    return 0;
}

std::vector<double> PlotRows(const double* volts, int count)
{
    std::vector<double> rows;
    rows.reserve(kPlotColumns);
    for (int i = 0; i < count && static_cast<int>(rows.size()) < kPlotColumns; i += 32)
        rows.push_back(MillivoltsToPlotY(volts[i] * 1000.0));
    return rows;
}

void WritePoint(EditState& edit, int index, double volts)
{
    // No computation may put a value that is not a number into the waveform: it would be saved
    // as 0 V and sent as mid-scale without a word.
    if (!std::isfinite(volts))
        return;
    edit.WaveText.setVolts(index, volts);
    edit.PointDefined[static_cast<size_t>(index)] = true;
}

void WritePointText(EditState& edit, int index, std::string text, bool defined)
{
    edit.WaveText.set(index, std::move(text));
    edit.PointDefined[static_cast<size_t>(index)] = defined;
}

void PlaceEndMarker(EditState& edit, int count)
{
    if (count >= 0 && count < kMaxPoints)
        edit.WaveText.setEndMarker(count);
}

int WritePoints(EditState& edit, int start, const std::vector<double>& volts)
{
    int n = start;
    for (size_t k = 0; k < volts.size() && n < kMaxPoints; ++k, ++n)
        WritePoint(edit, n, volts[k]);
    PlaceEndMarker(edit, n);
    edit.PointCount = n;
    return n;
}

int OverwritePoints(EditState& edit, int start, std::span<const double> volts, int stop)
{
    const int end = std::min(stop, kMaxPoints);
    int i = start;
    for (size_t k = 0; k < volts.size() && i < end; ++k, ++i)
        WritePoint(edit, i, volts[k]);
    return i;
}

void WritePointRun(EditState& edit, int start, int count, double volts)
{
    start = std::max(start, 0);
    count = std::min(count, kMaxPoints - start);
    if (count <= 0 || !std::isfinite(volts))
        return;
    edit.WaveText.setVoltsRun(start, count, volts);
    std::fill_n(edit.PointDefined.begin() + start, count, true);
}

void MovePoints(EditState& edit, int from, int to, int count)
{
    count = std::min({count, kMaxPoints - from, kMaxPoints - to});
    if (count <= 0 || from == to)
        return;
    edit.WaveText.moveRange(from, to, count);
    auto first = edit.PointDefined.begin() + from;
    if (to < from)
        std::copy(first, first + count, edit.PointDefined.begin() + to);
    else
        std::copy_backward(first, first + count, edit.PointDefined.begin() + to + count);
}

void EndDataAt(EditState& edit, int count)
{
    if (count < 0 || count >= kMaxPoints)
        return;
    int top = count;
    for (int i = kLastPoint; i > count; --i)
        if (edit.PointDefined[static_cast<size_t>(i)] || edit.WaveText.value(i) != 0) {
            top = i;
            break;
        }
    for (int i = count + 1; i <= top; ++i) {
        edit.WaveText.clear(i);
        edit.PointDefined[static_cast<size_t>(i)] = false;
    }
    edit.WaveText.setEndMarker(count);
    edit.PointDefined[static_cast<size_t>(count)] = false;
}

void ClearEditBuffer(EditState& edit, int through)
{
    for (int i = 0; i <= through && i < kMaxPoints; ++i) {
        edit.WaveText.clear(i);
        edit.PointDefined[static_cast<size_t>(i)] = false;
    }
}

void SnapshotForUndo(EditState& edit, UndoExtent extent, int count)
{
    const int last = extent == UndoExtent::WholeBuffer ? kLastPoint : std::min(count, kLastPoint);
    std::fill(edit.UndoVolts.begin(), edit.UndoVolts.end(), 0.0);
    for (int i = 0; i <= last; ++i) {
        if (edit.WaveText[i].empty())
            edit.WaveText.clear(i);
        edit.UndoVolts[static_cast<size_t>(i)] = edit.WaveText.value(i);
    }
    edit.UndoReady = true;
    edit.UndoFull = CountEditBuffer(edit) == kMaxPoints;
}

void DiscardUndo(EditState& edit)
{
    std::fill(edit.UndoVolts.begin(), edit.UndoVolts.end(), 0.0);
    edit.UndoReady = false;
    edit.UndoFull = false;
}

void SetPlotCache(EditState& edit, const std::vector<double>& rows)
{
    edit.PlotY.fill(0.0);
    std::copy(rows.begin(), rows.end(), edit.PlotY.begin());
    edit.PlotColumn = static_cast<int16_t>(rows.size());
}

void RefreshPlotFromEditBuffer(EditState& edit)
{
    SetPlotCache(edit, PlotRows(edit.WaveText.values(), static_cast<int>(edit.PointCount)));
}

void StoreVolts(DocumentSlot& slot, const double* volts, int count)
{
    std::fill(slot.store.begin(), slot.store.end(), 0.0);
    std::copy_n(volts, count, slot.store.begin());
    slot.store[static_cast<size_t>(count)] = kEndMarker;
}

void StoreEditBuffer(const EditState& edit, DocumentSlot& slot)
{
    StoreVolts(slot, edit.WaveText.values(), static_cast<int>(edit.PointCount));
}

void Workspace::CommitEditBuffer()
{
    for (int i = kLastPoint; i >= 0; --i)
        if (edit.WaveText[i].empty())
            edit.WaveText.clear(i);
    edit.PointCount = CountEditBuffer(edit);

    if (edit.PointCount != 0) {
        commands.enableButtons(1, {Tb1::Save, Tb1::Send, Tb1::Print});
        commands.setButtonPressed(2, Tb2::Marker, true);
        commands.enable(Sets::DocumentFileItems);
        commands.enable(Sets::PointItems);
    } else {
        commands.disableButtons(1, Sets::DocumentButtons);
        commands.disable(Sets::PointItems);
        commands.disable(Sets::ClipboardItems);
        commands.disable({Cmd::Send});
    }
    // Undo is offered while there is a snapshot to restore, with points or without (a
    // cleared document comes back).
    commands.setEnabled(Cmd::Undo, edit.UndoReady);
    commands.setButtonEnabled(1, Tb1::Undo, edit.UndoReady);
    commands.setEnabled(Cmd::Close, formsLoaded() >= 2);

    DocumentSlot* slot = activeSlot();
    if (!slot)
        return;
    StoreEditBuffer(edit, *slot);
}

void Workspace::RebuildPlotCache()
{
    edit.PointCount = 0;
    SetPlotCache(edit, {});
    if (DocumentSlot* slot = activeSlot()) {
        const int count = CountStore(slot->store);
        edit.PointCount = count;
        SetPlotCache(edit, PlotRows(slot->store.data(), count));
    }
    notifyPlot();
}

void Workspace::CaptureSelection()
{
    if (edit.SelStartX > edit.SelEndX)
        std::swap(edit.SelStartX, edit.SelEndX);
    if (edit.SelStartX < 1)
        edit.SelStartX = 0;
    edit.SelStartPoint = edit.SelStartX * 16383.0 / 512.0;
    edit.SelEndPoint = static_cast<float>((edit.SelEndX + 1) * 16383.0 / 512.0);
    edit.SelLast = 0;

    int n = 0;
    const int first = static_cast<int>(std::trunc(edit.SelStartPoint));
    const int last = static_cast<int>(std::trunc(edit.SelEndPoint));
    for (int i = first; i <= last && i < kMaxPoints && i <= edit.PointCount; ++i) {
        double v = edit.WaveText.value(i);
        if (v == kEndMarker)
            break;
        // -5.01 V and below become -5 V; -5.005 V stays.
        edit.SelVolts[static_cast<size_t>(n)] = v > -5.01 ? v : -5.0;
        ++n;
    }
    edit.SelLast = static_cast<int16_t>(std::min(n - 1, kLastPoint));
    for (int j = 0; j <= edit.SelLast; j += 32)
        edit.SelPreview[static_cast<size_t>(j / 32)] = edit.SelVolts[static_cast<size_t>(j)];

    commands.enableButtons(1, {Tb1::Cut, Tb1::Copy});
    commands.disableButtons(1, {Tb1::Paste});
    work.PasteColumn = 0;

    if (edit.SelLast == 1 || edit.SelLast == 33) {
        commands.disable(Sets::MathItems);
        commands.enable({Cmd::Expand});
    }
}

}  // namespace tlv
