#include "app/DetailView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <vector>

#include "display/PlotPainter.h"
#include "editing/PointEdits.h"
#include "model/Workspace.h"

namespace tlv {

namespace {
// Room around the plot area for the volt labels (left), the point labels (below) and the
// readout (above).
constexpr int kLeft = 64;
constexpr int kRight = 12;
constexpr int kTop = 22;
constexpr int kBottom = 22;
// Points at least this many pixels apart are drawn as dots and can be dragged.
constexpr double kDotSpacing = 6;
constexpr double kGrabRadius = 6;
// One wheel notch shows this share of the span.
constexpr double kWheelZoom = 0.8;

QString TickText(double value)
{
    return QString::number(value, 'g', 6);
}
}  // namespace

DetailView::DetailView(Workspace& workspace, QWidget* parent) : QWidget(parent), ws_(workspace)
{
    setObjectName("DetailView");
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(240, 120);
}

int DetailView::count() const
{
    return ws_.activeWindow() ? static_cast<int>(ws_.edit.PointCount) : 0;
}

int DetailView::firstShown() const
{
    return std::max(static_cast<int>(std::floor(points_.from)), 0);
}

int DetailView::lastShown() const
{
    return std::min(static_cast<int>(std::ceil(points_.to)), count() - 1);
}

int DetailView::pointsDrawn() const
{
    return std::max(lastShown() - firstShown() + 1, 0);
}

QRectF DetailView::plotArea() const
{
    return QRectF(kLeft, kTop, std::max(width() - kLeft - kRight, 1), std::max(height() - kTop - kBottom, 1));
}

double DetailView::xOf(double point) const
{
    const QRectF area = plotArea();
    return area.left() + (point - points_.from) / points_.width() * area.width();
}

double DetailView::yOf(double volts) const
{
    const QRectF area = plotArea();
    return area.bottom() - (volts - volts_.from) / volts_.width() * area.height();
}

double DetailView::pointAt(double x) const
{
    const QRectF area = plotArea();
    return points_.from + (x - area.left()) / area.width() * points_.width();
}

double DetailView::voltsAt(double y) const
{
    const QRectF area = plotArea();
    return volts_.from + (area.bottom() - y) / area.height() * volts_.width();
}

bool DetailView::dotsShown() const
{
    return count() > 0 && plotArea().width() / points_.width() >= kDotSpacing;
}

std::optional<int> DetailView::dotNear(QPointF position) const
{
    if (!dotsShown())
        return std::nullopt;
    const int index = static_cast<int>(std::lround(pointAt(position.x())));
    if (index < 0 || index >= count())
        return std::nullopt;
    const QPointF dot(xOf(index), yOf(ws_.edit.WaveText.value(index)));
    if (std::hypot(dot.x() - position.x(), dot.y() - position.y()) > kGrabRadius)
        return std::nullopt;
    return index;
}

void DetailView::remember()
{
    Zoom& zoom = zooms_[windowId_];
    zoom.points = points_;
    zoom.volts = volts_;
    zoom.fitted = false;
}

void DetailView::showPoints(double from, double to)
{
    if (from > to)
        std::swap(from, to);
    points_ = ZoomSpan({from, to}, 1, from, PointLimits(count()));
    remember();
    update();
}

void DetailView::fit()
{
    points_ = FitSpan(PointLimits(count()));
    volts_ = FitSpan(kVoltLimits);
    remember();
    zooms_[windowId_].fitted = true;
    update();
}

void DetailView::waveformChanged()
{
    const DocumentWindow* active = ws_.activeWindow();
    const int id = active ? active->id : 0;
    if (id != windowId_) {
        windowId_ = id;
        dragged_.reset();
        strokeFrom_.reset();
        panFrom_.reset();
        pending_.clear();
    }
    // The window's own zoom, kept within its waveform as it is now; the zoom itself is kept as
    // the user left it, since a window is activated before its points are loaded.
    auto known = zooms_.find(id);
    if (known == zooms_.end())
        known = zooms_.emplace(id, Zoom{{}, FitSpan(kVoltLimits)}).first;
    Zoom& zoom = known->second;
    if (zoom.fitted)
        zoom.points = FitSpan(PointLimits(count()));
    const int from = std::min<int>(ws_.edit.SelStartX, ws_.edit.SelEndX);
    const int to = std::max<int>(ws_.edit.SelStartX, ws_.edit.SelEndX);
    if (active && ws_.edit.SelLast > 0 && from != to && (from != zoom.selectionFrom || to != zoom.selectionTo)) {
        zoom.selectionFrom = from;
        zoom.selectionTo = to;
        zoom.points = {from * 32.0, to * 32.0 - 1};
        zoom.fitted = false;
    }
    points_ = ZoomSpan(zoom.points, 1, zoom.points.from, PointLimits(count()));
    volts_ = zoom.volts;
    update();
}

void DetailView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF area = plotArea();
    painter.fillRect(area, kPlotBackground);

    // Grid lines and labels at round values, about 80 pixels apart across and 30 up.
    QPen grid(kGridColour);
    grid.setCosmetic(true);
    const QFontMetrics metrics(font());
    for (double tick : RoundTicks(points_.from, points_.to, std::max(2, static_cast<int>(area.width() / 80)))) {
        const double x = xOf(tick);
        painter.setPen(grid);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(palette().color(QPalette::WindowText));
        const QString text = TickText(tick);
        painter.drawText(QPointF(x - metrics.horizontalAdvance(text) / 2.0, area.bottom() + metrics.ascent() + 3), text);
    }
    for (double tick : RoundTicks(volts_.from, volts_.to, std::max(2, static_cast<int>(area.height() / 30)))) {
        const double y = yOf(tick);
        painter.setPen(grid);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(palette().color(QPalette::WindowText));
        const QString text = TickText(tick) + " V";
        painter.drawText(QPointF(area.left() - metrics.horizontalAdvance(text) - 6, y + metrics.ascent() / 2.0 - 1), text);
    }

    const int n = count();
    const int first = firstShown();
    const int last = lastShown();
    const int drawn = pointsDrawn();
    painter.save();
    painter.setClipRect(area);
    QPen trace(kTraceColour);
    trace.setCosmetic(true);
    painter.setPen(trace);
    if (drawn > 2 * area.width()) {
        // More points than pixels: each pixel column draws the range of its points.
        const int columns = static_cast<int>(area.width()) + 1;
        std::vector<double> low(static_cast<size_t>(columns), 1e300), high(static_cast<size_t>(columns), -1e300);
        for (int i = first; i <= last; ++i) {
            const size_t column = static_cast<size_t>(std::clamp(static_cast<int>(xOf(i) - area.left()), 0, columns - 1));
            low[column] = std::min(low[column], shownVolts(i));
            high[column] = std::max(high[column], shownVolts(i));
        }
        for (int column = 0; column < columns; ++column)
            if (low[static_cast<size_t>(column)] <= high[static_cast<size_t>(column)]) {
                const double x = area.left() + column;
                painter.drawLine(QPointF(x, yOf(high[static_cast<size_t>(column)])),
                                 QPointF(x, yOf(low[static_cast<size_t>(column)])));
            }
    } else if (drawn > 0) {
        QPolygonF line;
        for (int i = first; i <= last; ++i)
            line << QPointF(xOf(i), yOf(shownVolts(i)));
        painter.drawPolyline(line);
        if (dotsShown())
            for (const QPointF& dot : line)
                painter.fillRect(QRectF(dot.x() - 2, dot.y() - 2, 5, 5), kTraceColour);
    }
    painter.restore();

    // The readout: the point nearest the cursor, or the one being dragged.
    if (n > 0 && mouse_ && area.contains(*mouse_)) {
        const int index = dragged_ ? *dragged_ : std::clamp(static_cast<int>(std::lround(pointAt(mouse_->x()))), 0, n - 1);
        const QString text = pending_.count(index) ? QString::number(pending_.at(index), 'E', 6)
                                                   : QString::fromStdString(ws_.edit.WaveText[index]);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QPointF(kLeft, metrics.ascent() + 3), QString("Point %1: %2 V").arg(index).arg(text));
    }
}

void DetailView::wheelEvent(QWheelEvent* event)
{
    // With Shift held some platforms turn the wheel's turn sideways.
    const QPoint turn = event->angleDelta();
    const double notches = (turn.y() != 0 ? turn.y() : turn.x()) / 120.0;
    const double factor = std::pow(kWheelZoom, notches);
    const QPointF at = event->position();
    if (event->modifiers() & Qt::ShiftModifier)
        volts_ = ZoomSpan(volts_, factor, voltsAt(at.y()), kVoltLimits);
    else
        points_ = ZoomSpan(points_, factor, pointAt(at.x()), PointLimits(count()));
    remember();
    update();
    event->accept();
}

double DetailView::shownVolts(int index) const
{
    const auto pending = pending_.find(index);
    return pending != pending_.end() ? pending->second : ws_.edit.WaveText.value(index);
}

void DetailView::strokeTo(QPointF to)
{
    const QPointF from = *strokeFrom_;
    const double a = pointAt(from.x()), b = pointAt(to.x());
    const int first = std::max(static_cast<int>(std::ceil(std::min(a, b))), 0);
    const int last = std::min(static_cast<int>(std::floor(std::max(a, b))), count() - 1);
    for (int i = first; i <= last; ++i) {
        const double share = b == a ? 1.0 : (i - a) / (b - a);
        pending_[i] = std::clamp(voltsAt(from.y() + share * (to.y() - from.y())), -5.0, 5.0);
    }
    strokeFrom_ = to;
}

void DetailView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || count() == 0)
        return;
    pending_.clear();
    if (event->modifiers() & Qt::ShiftModifier) {
        strokeFrom_ = event->position();
        strokeTo(event->position());
    } else if ((dragged_ = dotNear(event->position()))) {
        pending_[*dragged_] = ws_.edit.WaveText.value(*dragged_);
    } else {
        panFrom_ = event->position();
    }
    update();
}

void DetailView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    mouse_ = at;
    if (dragged_) {
        const double volts = std::clamp(voltsAt(at.y()), -5.0, 5.0);
        pending_[*dragged_] = event->modifiers() & Qt::ControlModifier ? SnapToInstrumentStep(volts) : volts;
    } else if (strokeFrom_) {
        strokeTo(at);
    } else if (panFrom_) {
        const QRectF area = plotArea();
        points_ = PanSpan(points_, (panFrom_->x() - at.x()) / area.width() * points_.width(), PointLimits(count()));
        volts_ = PanSpan(volts_, (at.y() - panFrom_->y()) / area.height() * volts_.width(), kVoltLimits);
        panFrom_ = at;
        remember();
    }
    update();
}

void DetailView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    panFrom_.reset();
    dragged_.reset();
    strokeFrom_.reset();
    // The values are contiguous: a dot alone, or every point a stroke passed over.
    std::vector<double> values;
    for (const auto& [index, volts] : pending_)
        values.push_back(volts);
    const int first = pending_.empty() ? 0 : pending_.begin()->first;
    pending_.clear();
    if (!values.empty())
        SetPoints(ws_, first, values);
    update();
}

void DetailView::keyPressEvent(QKeyEvent* event)
{
    const double centre = (points_.from + points_.to) / 2;
    switch (event->key()) {
    case Qt::Key_F:
    case Qt::Key_Home: fit(); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: showPoints(centre - points_.width() * kWheelZoom / 2, centre + points_.width() * kWheelZoom / 2); break;
    case Qt::Key_Minus: showPoints(centre - points_.width() / kWheelZoom / 2, centre + points_.width() / kWheelZoom / 2); break;
    default: QWidget::keyPressEvent(event);
    }
}

void DetailView::leaveEvent(QEvent*)
{
    mouse_.reset();
    update();
}

}  // namespace tlv
