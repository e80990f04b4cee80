#include "model/Workspace.h"

#include <algorithm>

namespace tlv {

Workspace::Workspace() = default;

DocumentSlot* Workspace::slotOf(const QString& tag)
{
    for (int n = 1; n <= 5; ++n)
        if (tag == QString::number(n))
            return &docs.DocSlots[static_cast<size_t>(n - 1)];
    return nullptr;
}

DocumentSlot* Workspace::activeSlot()
{
    return active_ ? slotOf(active_->tag) : nullptr;
}

void Workspace::DrawGrid()
{
    if (edit.DrawSuspended)
        return;
    // Clearing the plot takes the marks of the mouse tools with it.
    tools.SelectionShown = false;
    tools.RubberBandShown = false;
    tools.ShownColumns = 0;
    notifyPlot();
}

void Workspace::RepaintPlot()
{
    notifyPlot();
}

void Workspace::SetDownloadReport(const QString& text)
{
    DownloadReport = text;
    if (views)
        views->statusChanged();
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

}  // namespace tlv
