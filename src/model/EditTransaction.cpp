#include "model/EditTransaction.h"

#include <algorithm>
#include <cmath>

#include "model/CommandSets.h"
#include "model/Workspace.h"

namespace tlv {

// The one door to the waveform's fields; it exists in this file only.
struct EditAccess {
    static WaveTextArray& texts(EditState& edit) { return edit.waveText_; }
    static std::vector<bool>& flags(EditState& edit) { return edit.pointDefined_; }
    static double& count(EditState& edit) { return edit.pointCount_; }
    static PlotCache& plot(EditState& edit) { return edit.plot_; }
};

namespace {

void SetRows(EditState& edit, const std::vector<double>& rows)
{
    PlotCache& plot = EditAccess::plot(edit);
    plot.rows.fill(0.0);
    std::copy(rows.begin(), rows.end(), plot.rows.begin());
    plot.columns = static_cast<int16_t>(rows.size());
}

}  // namespace

EditTransaction::EditTransaction(Workspace& ws, Closing closing) : ws_(ws), closing_(closing) {}

EditTransaction::~EditTransaction()
{
    finish();
}

void EditTransaction::finish()
{
    if (!open_)
        return;
    open_ = false;
    switch (closing_) {
    case Closing::Commit:
        ws_.CommitEditBuffer();
        ws_.RepaintPlot();
        break;
    case Closing::CommitAndReplot:
        ws_.CommitEditBuffer();
        ws_.DrawGrid();
        ws_.RebuildPlotCache();
        break;
    case Closing::Replot:
        ws_.DrawGrid();
        ws_.RebuildPlotCache();
        break;
    case Closing::Redraw:
        ws_.RepaintPlot();
        break;
    }
}

void EditTransaction::SnapshotForUndo(UndoExtent extent, int count)
{
    EditState& edit = ws_.edit;
    WaveTextArray& texts = EditAccess::texts(edit);
    const int last = extent == UndoExtent::WholeBuffer ? kLastPoint : std::min(count, kLastPoint);
    std::fill(edit.UndoVolts.begin(), edit.UndoVolts.end(), 0.0);
    for (int i = 0; i <= last; ++i) {
        if (texts[i].empty())
            texts.clear(i);
        edit.UndoVolts[static_cast<size_t>(i)] = texts.value(i);
    }
    edit.UndoReady = true;
    edit.UndoFull = CountEditBuffer(edit) == kMaxPoints;
}

void EditTransaction::WritePoint(int index, double volts)
{
    // No computation may put a value that is not a number into the waveform: it would be saved
    // as 0 V and sent as mid-scale without a word.
    if (!std::isfinite(volts))
        return;
    EditAccess::texts(ws_.edit).setVolts(index, volts);
    EditAccess::flags(ws_.edit)[static_cast<size_t>(index)] = true;
}

void EditTransaction::WritePointText(int index, std::string text, bool defined)
{
    EditAccess::texts(ws_.edit).set(index, std::move(text));
    EditAccess::flags(ws_.edit)[static_cast<size_t>(index)] = defined;
}

void EditTransaction::PlaceEndMarker(int count)
{
    if (count >= 0 && count < kMaxPoints)
        EditAccess::texts(ws_.edit).setEndMarker(count);
}

int EditTransaction::WritePoints(int start, const std::vector<double>& volts)
{
    int n = start;
    for (size_t k = 0; k < volts.size() && n < kMaxPoints; ++k, ++n)
        WritePoint(n, volts[k]);
    PlaceEndMarker(n);
    EditAccess::count(ws_.edit) = n;
    return n;
}

int EditTransaction::OverwritePoints(int start, std::span<const double> volts, int stop)
{
    const int end = std::min(stop, kMaxPoints);
    int i = start;
    for (size_t k = 0; k < volts.size() && i < end; ++k, ++i)
        WritePoint(i, volts[k]);
    return i;
}

void EditTransaction::WritePointRun(int start, int count, double volts)
{
    start = std::max(start, 0);
    count = std::min(count, kMaxPoints - start);
    if (count <= 0 || !std::isfinite(volts))
        return;
    EditAccess::texts(ws_.edit).setVoltsRun(start, count, volts);
    std::fill_n(EditAccess::flags(ws_.edit).begin() + start, count, true);
}

void EditTransaction::MovePoints(int from, int to, int count)
{
    count = std::min({count, kMaxPoints - from, kMaxPoints - to});
    if (count <= 0 || from == to)
        return;
    EditAccess::texts(ws_.edit).moveRange(from, to, count);
    std::vector<bool>& flags = EditAccess::flags(ws_.edit);
    auto first = flags.begin() + from;
    if (to < from)
        std::copy(first, first + count, flags.begin() + to);
    else
        std::copy_backward(first, first + count, flags.begin() + to + count);
}

void EditTransaction::EndDataAt(int count)
{
    if (count < 0 || count >= kMaxPoints)
        return;
    WaveTextArray& texts = EditAccess::texts(ws_.edit);
    std::vector<bool>& flags = EditAccess::flags(ws_.edit);
    int top = count;
    for (int i = kLastPoint; i > count; --i)
        if (flags[static_cast<size_t>(i)] || texts.value(i) != 0) {
            top = i;
            break;
        }
    for (int i = count + 1; i <= top; ++i) {
        texts.clear(i);
        flags[static_cast<size_t>(i)] = false;
    }
    texts.setEndMarker(count);
    flags[static_cast<size_t>(count)] = false;
}

void EditTransaction::ClearEditBuffer(int through)
{
    WaveTextArray& texts = EditAccess::texts(ws_.edit);
    std::vector<bool>& flags = EditAccess::flags(ws_.edit);
    for (int i = 0; i <= through && i < kMaxPoints; ++i) {
        texts.clear(i);
        flags[static_cast<size_t>(i)] = false;
    }
}

void EditTransaction::SetPointCount(double count)
{
    EditAccess::count(ws_.edit) = count;
}

void EditTransaction::SetPlotCache(const std::vector<double>& rows)
{
    SetRows(ws_.edit, rows);
}

void EditTransaction::RefreshPlotFromEditBuffer()
{
    const EditState& edit = ws_.edit;
    SetRows(ws_.edit, PlotRows(edit.WaveText.values(), static_cast<int>(edit.PointCount)));
}

PlotCache& EditTransaction::plot()
{
    return EditAccess::plot(ws_.edit);
}

void Workspace::CommitEditBuffer()
{
    WaveTextArray& texts = EditAccess::texts(edit);
    for (int i = kLastPoint; i >= 0; --i)
        if (texts[i].empty())
            texts.clear(i);
    EditAccess::count(edit) = CountEditBuffer(edit);

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
    EditAccess::count(edit) = 0;
    SetRows(edit, {});
    if (DocumentSlot* slot = activeSlot()) {
        const int count = CountStore(slot->store);
        EditAccess::count(edit) = count;
        SetRows(edit, PlotRows(slot->store.data(), count));
    }
    notifyPlot();
}

}  // namespace tlv
