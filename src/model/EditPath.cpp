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

std::vector<ColumnRange> ColumnRanges(const double* volts, int count)
{
    std::vector<ColumnRange> ranges;
    ranges.reserve(kPlotColumns);
    for (int first = 0; first < count && static_cast<int>(ranges.size()) < kPlotColumns; first += 32) {
        const auto [low, high] = std::minmax_element(volts + first, volts + std::min(first + 32, count));
        ranges.push_back({MillivoltsToPlotY(*high * 1000.0), MillivoltsToPlotY(*low * 1000.0)});
    }
    return ranges;
}

void DiscardUndo(EditState& edit)
{
    std::fill(edit.UndoVolts.begin(), edit.UndoVolts.end(), 0.0);
    edit.UndoReady = false;
    edit.UndoFull = false;
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
