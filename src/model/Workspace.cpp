#include "model/Workspace.h"

#include <algorithm>
#include <cmath>

namespace tlv {

void DocumentSlot::markSaved(int count)
{
    count = std::clamp(count, 0, kMaxPoints);
    std::fill(saved.begin(), saved.end(), 0.0);
    std::copy_n(store.begin(), count, saved.begin());
    savedCount = count;
}

void DocumentSlot::clear()
{
    std::fill(store.begin(), store.end(), 0.0);
    std::fill(saved.begin(), saved.end(), 0.0);
    savedCount = 0;
}

Workspace::Workspace() = default;

DocumentSlot* Workspace::slotOf(const QString& tag)
{
    for (int n = 1; n <= 5; ++n)
        if (tag == QString::number(n))
            return &DocSlots[static_cast<size_t>(n - 1)];
    return nullptr;
}

DocumentSlot* Workspace::activeSlot()
{
    return active_ ? slotOf(active_->tag) : nullptr;
}

int Workspace::CountEditBuffer() const
{
    // A full buffer has no room for the marker: its last entry is then a point, whatever its value.
    if (PointDefined[kLastPoint] && WaveText.value(kLastPoint) != kEndMarker)
        return kMaxPoints;
    for (int i = kLastPoint; i >= 0; --i)
        if (WaveText.value(i) != 0)
            return i;
    return 0;
}

int Workspace::CountStore(const std::vector<double>& store)
{
    // The marker of a full document sits at index 16384, one past the last point.
    for (int i = static_cast<int>(store.size()) - 1; i >= 0; --i)
        if (store[static_cast<size_t>(i)] == kEndMarker)
            return i;
    return 0;
}

std::vector<double> Workspace::PlotRowsOfStore(const std::vector<double>& store)
{
    int count = CountStore(store);
    std::vector<double> rows;
    rows.reserve(kPlotColumns);
    for (int i = 0; i <= count - 1 && static_cast<int>(rows.size()) < kPlotColumns; i += 32)
        rows.push_back(MillivoltsToPlotY(store[static_cast<size_t>(i)] * 1000.0));
    return rows;
}

void Workspace::CommitEditBuffer()
{
    for (int i = kLastPoint; i >= 0; --i)
        if (WaveText[i].empty())
            WaveText.clear(i);
    PointCount = CountEditBuffer();

    if (PointCount != 0) {
        commands.enableButtons(1, {3, 7, 13, 15});
        commands.setButtonPressed(2, 1, true);
        commands.enable({"mnuSave", "mnuSaveAs", "mnuPrint", "mnuUndo", "mnuClearall",
                         "mnuEditselect", "mnuSelectall", "mnuExpand", "mnuSend"});
    } else {
        commands.disableButtons(1, {3, 7, 9, 10, 11, 13, 15});
        commands.disable({"mnuClearall", "mnuEditselect", "mnuSelectall", "mnuExpand", "mnuUndo",
                          "mnuCut", "mnuCopy", "mnuPaste", "mnuSend"});
    }
    commands.setEnabled("mnuClose", formsLoaded() >= 2);

    DocumentSlot* slot = activeSlot();
    if (!slot)
        return;
    StoreEditBuffer(*slot);
}

void Workspace::StoreEditBuffer(DocumentSlot& slot)
{
    int count = static_cast<int>(PointCount);
    std::fill(slot.store.begin(), slot.store.end(), 0.0);
    for (int i = 0; i < count; ++i)
        slot.store[static_cast<size_t>(i)] = WaveText.value(i);
    slot.store[static_cast<size_t>(count)] = kEndMarker;
}

void Workspace::RebuildPlotCache()
{
    PlotY.fill(0.0);
    PointCount = 0;
    PlotColumn = 0;
    DocumentSlot* slot = activeSlot();
    if (slot) {
        PointCount = CountStore(slot->store);
        std::vector<double> rows = PlotRowsOfStore(slot->store);
        std::copy(rows.begin(), rows.end(), PlotY.begin());
        PlotColumn = static_cast<int16_t>(rows.size());
    }
    notifyPlot();
}

void Workspace::DrawGrid()
{
    if (DrawSuspended)
        return;
    notifyPlot();
}

void Workspace::SetStatusPanel(int panel, const QString& text)
{
    if (panel < 1 || panel > 5)
        return;
    StatusPanel[static_cast<size_t>(panel - 1)] = text;
    if (views)
        views->statusChanged();
}

void Workspace::notifyPlot()
{
    if (views)
        views->plotChanged();
}

void Workspace::CaptureSelection()
{
    if (SelStartX > SelEndX)
        std::swap(SelStartX, SelEndX);
    if (SelStartX < 1)
        SelStartX = 0;
    SelStartPoint = SelStartX * 16383.0 / 512.0;
    SelEndPoint = static_cast<float>((SelEndX + 1) * 16383.0 / 512.0);
    SelLast = 0;

    int n = 0;
    const int first = static_cast<int>(std::trunc(SelStartPoint));
    const int last = static_cast<int>(std::trunc(SelEndPoint));
    for (int i = first; i <= last && i < kMaxPoints && i <= PointCount; ++i) {
        double v = WaveText.value(i);
        if (v == kEndMarker)
            break;
        SelVolts[static_cast<size_t>(n)] = v > -5.01 ? v : -5.0;
        ++n;
    }
    SelLast = static_cast<int16_t>(std::min(n - 1, kLastPoint));
    for (int j = 0; j <= SelLast; j += 32)
        SelPreview[static_cast<size_t>(j / 32)] = SelVolts[static_cast<size_t>(j)];

    commands.enableButtons(1, {9, 10});
    commands.disableButtons(1, {11});
    PasteColumn = 0;

    if (SelLast == 1 || SelLast == 33) {
        commands.disable({"mnuAdd", "mnuSubtract", "mnuMultiply", "mnuAbsolute", "mnuMirror",
                          "mnuInvert"});
        commands.enable({"mnuExpand"});
    }
}

}  // namespace tlv
