#pragma once

#include <QWidget>
#include <span>

#include "model/DocumentWindow.h"
#include "model/EditPath.h"

namespace tlv {

class Workspace;
class PlotWidget;

// The client area of a document window (mdiInit): axis labels around the plot box Pic1.
class DocumentView : public QWidget {
    Q_OBJECT
public:
    DocumentView(Workspace& workspace, int windowId, QWidget* parent = nullptr);

    int windowId() const { return windowId_; }
    DocumentWindow* window() const;
    PlotWidget* plot() const { return plot_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Workspace& workspace_;
    int windowId_;
    PlotWidget* plot_;
};

// The plot box Pic1, painted from the model: the active window from the plot cache, any other
// window from its own store.
class PlotWidget : public QWidget {
    Q_OBJECT
public:
    PlotWidget(Workspace& workspace, int windowId, QWidget* parent = nullptr);

    // Plot rows of the trace this widget shows, and each column's range drawn behind it.
    std::vector<double> traceRows() const;
    std::vector<ColumnRange> traceRanges() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Hands mouse input to the mouse tools in plot units.
    void forward(PlotInput::Type type, QMouseEvent* event);
    // The points of this widget's window: the edit buffer's when it is active, else its store's.
    std::span<const double> windowPoints() const;

    Workspace& workspace_;
    int windowId_;
    bool afterDoubleClick_ = false;
};

}  // namespace tlv
