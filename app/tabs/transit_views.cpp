#include "app/tabs/transit_views.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include "app/widgets/palette_colours.h"
#include "document/transit_painter.h"

namespace sarovin {

namespace {

// One notch of the wheel zooms by a fifth; a drag shorter than this many
// pixels is a click.
constexpr double ZOOM_STEP = 0.8;
constexpr double NOTCH = 120;
constexpr double DRAG_START = 4;
constexpr int AXIS_HEADER_HEIGHT = 20;
constexpr int SMALLEST_PLOT_HEIGHT = 90;

}  // namespace

TimelineView::TimelineView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picTransitTimeline"));
    setMouseTracking(true);
}

void TimelineView::ShowEvents(std::vector<TransitEvent> events, std::vector<NatalPoint> points,
                              std::optional<Vimshottari> dasha, double from, double to,
                              double today, Tips tips) {
    events_ = std::move(events);
    points_ = std::move(points);
    dasha_ = std::move(dasha);
    span_ = {from, to};
    shown_ = span_;
    today_ = today;
    tips_ = std::move(tips);
    chosen_.reset();
    LayOut();
}

void TimelineView::FitSpan() {
    shown_ = span_;
    LayOut();
}

void TimelineView::LayOut() {
    const std::optional<std::size_t> chosen = chosen_;
    layout_ = LayOutTimeline(events_, points_, dasha_, shown_.from, shown_.to, today_, width());
    chosen_ = chosen && *chosen < layout_.rows.size() ? chosen : std::nullopt;
    setMinimumHeight(static_cast<int>(layout_.height) + 1);
    update();
    emit LaidOut();
}

double TimelineView::TimeAt(double x) const {
    const double across = std::max(layout_.width - layout_.labelWidth, 1.0);
    return shown_.from + (x - layout_.labelWidth) / across * (shown_.to - shown_.from);
}

void TimelineView::resizeEvent(QResizeEvent*) {
    LayOut();
}

const TimelineRow* TimelineView::ChosenRow() const {
    return chosen_ ? &layout_.rows[*chosen_] : nullptr;
}

void TimelineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const ChartColours colours = ColoursOf(palette());
    painter.fillRect(rect(), colours.paper);
    PaintTimeline(painter, layout_, ChosenRow(), colours, AxisLabels::InHeader);
}

void TimelineView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragX_ = event->position().x();
        dragged_ = false;
    }
}

void TimelineView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragX_ || !(event->buttons() & Qt::LeftButton)) {
        return;
    }
    const double moved = event->position().x() - *dragX_;
    if (!dragged_ && std::abs(moved) < DRAG_START) {
        return;
    }
    dragged_ = true;
    shown_ =
        PanWindow(shown_, span_, TimeAt(layout_.labelWidth) - TimeAt(layout_.labelWidth + moved));
    dragX_ = event->position().x();
    LayOut();
}

void TimelineView::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = dragX_ && !dragged_;
    dragX_.reset();
    if (!click) {
        return;
    }
    const TimelineRow* row = RowAt(layout_, event->position().y());
    if (row != nullptr) {
        chosen_ = static_cast<std::size_t>(row - layout_.rows.data());
        update();
        emit RowChosen();
    }
}

void TimelineView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
        event->ignore();
        return;
    }
    const double notches = event->angleDelta().y() / NOTCH;
    shown_ = ZoomWindow(shown_, span_, std::pow(ZOOM_STEP, notches),
                        TimeAt(std::max(event->position().x(), layout_.labelWidth)));
    LayOut();
    event->accept();
}

QString TimelineView::TipAt(QPointF point) const {
    const TimelineBar* bar = BarAt(layout_, point.x(), point.y());
    if (bar != nullptr && tips_.window) {
        return tips_.window(bar->event);
    }
    const DashaBar* period = DashaBarAt(layout_, point.x(), point.y());
    if (period != nullptr && tips_.period) {
        return tips_.period(*period);
    }
    return {};
}

bool TimelineView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = TipAt(help->pos());
        if (!tip.isEmpty()) {
            QToolTip::showText(help->globalPos(), tip, this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

TimeAxisView::TimeAxisView(const TimelineView& timeline, QWidget* parent)
    : QWidget(parent), timeline_(timeline) {
    setObjectName(QStringLiteral("hdrTransitAxis"));
    setFixedHeight(AXIS_HEADER_HEIGHT);
    connect(&timeline, &TimelineView::LaidOut, this, qOverload<>(&QWidget::update));
}

void TimeAxisView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const ChartColours colours = ColoursOf(palette());
    painter.fillRect(rect(), colours.paper);
    if (!timeline_.layout().rows.empty() || timeline_.layout().laneHeight > 0) {
        PaintTimeAxis(painter, timeline_.layout(), height(), colours);
    }
}

StrengthPlotView::StrengthPlotView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picTransitPlot"));
    setMinimumHeight(SMALLEST_PLOT_HEIGHT);
}

void StrengthPlotView::ShowSamples(std::vector<StrengthSample> samples, double from, double to,
                                   double today, double threshold, std::string title) {
    samples_ = std::move(samples);
    from_ = from;
    to_ = to;
    today_ = today;
    threshold_ = threshold;
    title_ = std::move(title);
    LayOut();
}

void StrengthPlotView::Clear() {
    samples_.clear();
    title_.clear();
    plot_.reset();
    update();
}

void StrengthPlotView::LayOut() {
    if (!title_.empty()) {
        plot_ =
            LayOutStrengthPlot(samples_, from_, to_, today_, threshold_, width(), height(), title_);
    }
    update();
}

void StrengthPlotView::resizeEvent(QResizeEvent*) {
    LayOut();
}

void StrengthPlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const ChartColours colours = ColoursOf(palette());
    painter.fillRect(rect(), colours.paper);
    if (plot_) {
        PaintStrengthPlot(painter, *plot_, colours);
        return;
    }
    painter.setPen(colours.quietInk);
    painter.drawText(rect(), Qt::AlignCenter, QString::fromLatin1(PLOT_HINT));
}

}  // namespace sarovin
