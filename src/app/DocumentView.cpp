#include "app/DocumentView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "display/PlotGeometry.h"
#include "display/PlotPainter.h"
#include "editing/Overlays.h"
#include "model/EditPath.h"
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
    if (!workspace_.edit.DrawSuspended)
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
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

std::span<const double> PlotWidget::windowPoints() const
{
    DocumentWindow* w = workspace_.findWindow(windowId_);
    if (w && w == workspace_.activeWindow())
        return {workspace_.edit.WaveText.values(), static_cast<size_t>(workspace_.edit.PointCount)};
    if (DocumentSlot* slot = w ? workspace_.slotOf(w->tag) : nullptr)
        return {slot->store.data(), static_cast<size_t>(CountStore(slot->store))};
    return {};
}

std::vector<double> PlotWidget::traceRows() const
{
    // The active window's trace may run ahead of its points while a tool draws.
    if (workspace_.findWindow(windowId_) == workspace_.activeWindow() && workspace_.activeWindow())
        return std::vector<double>(workspace_.edit.PlotY.begin(),
                                   workspace_.edit.PlotY.begin() + ShownTraceColumns(workspace_));
    const std::span<const double> points = windowPoints();
    return PlotRows(points.data(), static_cast<int>(points.size()));
}

std::vector<ColumnRange> PlotWidget::traceRanges() const
{
    const std::span<const double> points = windowPoints();
    return ColumnRanges(points.data(), static_cast<int>(points.size()));
}

namespace {
int ButtonCode(Qt::MouseButtons buttons)
{
    int code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}
}  // namespace

void PlotWidget::forward(PlotInput::Type type, QMouseEvent* event)
{
    DocumentWindow* w = workspace_.findWindow(windowId_);
    if (!w || w != workspace_.activeWindow() || !workspace_.mouseTools || width() <= 0 || height() <= 0)
        return;
    QSizeF scale = BoxScale(w->state);
    PlotInput input;
    input.type = type;
    input.x = static_cast<float>(event->position().x() * scale.width() / width());
    input.y = static_cast<float>(event->position().y() * scale.height() / height());
    input.button = type == PlotInput::Type::Move ? ButtonCode(event->buttons())
                                                 : ButtonCode(event->button());
    workspace_.mouseTools->plotInput(input);
}

void PlotWidget::mousePressEvent(QMouseEvent* event)
{
    forward(PlotInput::Type::Press, event);
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event)
{
    forward(PlotInput::Type::Move, event);
}

void PlotWidget::mouseReleaseEvent(QMouseEvent* event)
{
    forward(PlotInput::Type::Release, event);
    // The release that ends a double click makes no second click.
    if (!afterDoubleClick_)
        forward(PlotInput::Type::Click, event);
    afterDoubleClick_ = false;
}

void PlotWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    forward(PlotInput::Type::DoubleClick, event);
    afterDoubleClick_ = true;
}

void PlotWidget::keyPressEvent(QKeyEvent* event)
{
    if (!workspace_.mouseTools || workspace_.findWindow(windowId_) != workspace_.activeWindow()) {
        QWidget::keyPressEvent(event);
        return;
    }
    PlotInput input;
    input.type = PlotInput::Type::Key;
    // The tools take character codes: Enter 13, Escape 27.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: input.key = 13; break;
    case Qt::Key_Escape: input.key = 27; break;
    default: input.key = event->key();
    }
    workspace_.mouseTools->plotInput(input);
}

void PlotWidget::paintEvent(QPaintEvent*)
{
    DocumentWindow* w = workspace_.findWindow(windowId_);
    if (!w)
        return;
    QPainter painter(this);
    std::vector<double> rows = traceRows();
    const PlotOverlay overlay = w == workspace_.activeWindow() ? ToolOverlay(workspace_) : PlotOverlay{};
    PaintPlot(painter, size(), w->state, rows.data(), static_cast<int>(rows.size()), overlay, traceRanges());
}

}  // namespace tlv
