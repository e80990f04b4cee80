#include "display/DocumentView.h"

#include <QPainter>

#include "display/PlotGeometry.h"
#include "display/PlotPainter.h"
#include "model/Workspace.h"

namespace tlv {

DocumentView::DocumentView(Workspace& workspace, int windowId, QWidget* parent)
    : QWidget(parent), workspace_(workspace), windowId_(windowId),
      plot_(new PlotWidget(workspace, windowId, this))
{
    setObjectName("mdiInit");
    plot_->setObjectName("Pic1");
    setAutoFillBackground(true);
    QFont small = font();
    small.setPointSize(7);
    setFont(small);
    plot_->setGeometry(BoxRect(NormalClientSize()));
}

DocumentWindow* DocumentView::window() const
{
    return workspace_.findWindow(windowId_);
}

QSize DocumentView::sizeHint() const
{
    return NormalClientSize();
}

void DocumentView::resizeEvent(QResizeEvent*)
{
    if (!workspace_.DrawSuspended)
        plot_->setGeometry(BoxRect(size()));
}

void DocumentView::paintEvent(QPaintEvent*)
{
    DocumentWindow* w = window();
    if (!w || w->state == WindowState::Minimized)
        return;
    QPainter painter(this);
    PaintAxisLabels(painter, size(), w->state);
}

PlotWidget::PlotWidget(Workspace& workspace, int windowId, QWidget* parent)
    : QWidget(parent), workspace_(workspace), windowId_(windowId)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

std::vector<double> PlotWidget::traceRows() const
{
    DocumentWindow* w = workspace_.findWindow(windowId_);
    if (!w)
        return {};
    if (w == workspace_.activeWindow())
        return std::vector<double>(workspace_.PlotY.begin(),
                                   workspace_.PlotY.begin() + workspace_.PlotColumn);
    if (DocumentSlot* slot = workspace_.slotOf(w->tag))
        return Workspace::PlotRowsOfStore(slot->store);
    return {};
}

void PlotWidget::paintEvent(QPaintEvent*)
{
    DocumentWindow* w = workspace_.findWindow(windowId_);
    if (!w)
        return;
    QPainter painter(this);
    std::vector<double> rows = traceRows();
    PaintPlot(painter, size(), w->state, rows.data(), static_cast<int>(rows.size()));
}

}  // namespace tlv
