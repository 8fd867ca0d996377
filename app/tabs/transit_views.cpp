#include "app/tabs/transit_views.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "document/transit_painter.h"

namespace sarovin {

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
    from_ = from;
    to_ = to;
    today_ = today;
    tips_ = std::move(tips);
    chosen_.reset();
    LayOut();
}

void TimelineView::LayOut() {
    layout_ = LayOutTimeline(events_, points_, dasha_, from_, to_, today_, width());
    setMinimumHeight(static_cast<int>(layout_.height) + 1);
    update();
}

void TimelineView::resizeEvent(QResizeEvent*) {
    LayOut();
}

const TimelineRow* TimelineView::ChosenRow() const {
    return chosen_ ? &layout_.rows[*chosen_] : nullptr;
}

void TimelineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    PaintTimeline(painter, layout_, ChosenRow());
}

void TimelineView::mousePressEvent(QMouseEvent* event) {
    const TimelineRow* row = RowAt(layout_, event->position().y());
    if (row != nullptr) {
        chosen_ = static_cast<std::size_t>(row - layout_.rows.data());
        update();
        emit RowChosen();
    }
}

bool TimelineView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const TimelineBar* bar = BarAt(layout_, help->pos().x(), help->pos().y());
        const DashaBar* period = DashaBarAt(layout_, help->pos().x(), help->pos().y());
        if (bar != nullptr && tips_.window) {
            QToolTip::showText(help->globalPos(), tips_.window(bar->event), this);
        } else if (period != nullptr && tips_.period) {
            QToolTip::showText(help->globalPos(), tips_.period(*period), this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

StrengthPlotView::StrengthPlotView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picTransitPlot"));
    setMinimumHeight(150);
}

void StrengthPlotView::ShowSamples(std::vector<StrengthSample> samples, double from, double to,
                                   double threshold, std::string title) {
    samples_ = std::move(samples);
    from_ = from;
    to_ = to;
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
        plot_ = LayOutStrengthPlot(samples_, from_, to_, threshold_, width(), height(), title_);
    }
    update();
}

void StrengthPlotView::resizeEvent(QResizeEvent*) {
    LayOut();
}

void StrengthPlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (plot_) {
        PaintStrengthPlot(painter, *plot_);
    }
}

}  // namespace sarovin
