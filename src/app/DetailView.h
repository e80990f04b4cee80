#pragma once

#include <QWidget>
#include <map>
#include <optional>

#include "display/DetailGeometry.h"

namespace tlv {

class Workspace;

// The detail view: the active waveform's real points, point index across and volts up. The
// wheel zooms around the cursor (across; with Shift, up), a drag pans, F or Home fits the whole
// waveform. Zoomed in until the points stand apart, each is a dot: dragging one sets its value
// (on the instrument's 12-bit steps with Ctrl held). A drag with Shift held is a free-hand stroke
// that sets exactly the points it passes over. Either is one edit, written at the release.
// Each document window keeps its own zoom; a new Marker selection brings its points into view.
class DetailView : public QWidget {
    Q_OBJECT
public:
    explicit DetailView(Workspace& workspace, QWidget* parent = nullptr);

    AxisSpan pointSpan() const { return points_; }
    AxisSpan voltSpan() const { return volts_; }
    // Shows points from..to (kept within the waveform), the whole waveform, or the volts low..high.
    void showPoints(double from, double to);
    void fit();
    // How many points the view draws (each as a dot, or within a pixel column's range).
    int pointsDrawn() const;
    // Where the points are drawn, in the view's pixels.
    QRectF plotArea() const;
    // The active window or its waveform changed: its own zoom comes back, the picture is redrawn.
    void waveformChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Zoom {
        AxisSpan points;
        AxisSpan volts;
        bool fitted = true;  // shows the whole waveform, however long it grows
        int selectionFrom = -1;  // the Marker selection last shown, in plot columns
        int selectionTo = -1;
    };
    int count() const;
    // The first and last point within the span.
    int firstShown() const;
    int lastShown() const;
    double xOf(double point) const;
    double yOf(double volts) const;
    double pointAt(double x) const;
    double voltsAt(double y) const;
    bool dotsShown() const;
    std::optional<int> dotNear(QPointF position) const;
    void remember();
    double shownVolts(int index) const;
    // The points between two positions of a stroke take the volts on the line joining them.
    void strokeTo(QPointF to);

    Workspace& ws_;
    AxisSpan points_{0, 1};
    AxisSpan volts_{-5, 5};
    std::map<int, Zoom> zooms_;  // by document window id
    int windowId_ = 0;
    std::optional<QPointF> panFrom_;
    std::optional<int> dragged_;        // the dot being dragged
    std::optional<QPointF> strokeFrom_;  // the free-hand stroke's last position
    std::map<int, double> pending_;     // the values the drag or stroke will write
    std::optional<QPointF> mouse_;
};

}  // namespace tlv
