#include "app/tabs/chart_view.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "app/widgets/palette_colours.h"
#include "chart/bhava_chalit.h"
#include "document/chart_painter.h"

namespace sarovin {

namespace {

constexpr int MARGIN = 8;
constexpr int PREFERRED_SIDE = 320;
constexpr int SMALLEST_SIDE = 280;

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picChart"));
    setAccessibleName(QStringLiteral("Chart"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartView::ShowChart(ChartContent content, const std::array<DrishtiRow, GRAHA_ROWS>& graha,
                          const std::array<DrishtiRow, RASHI_ROWS>& rashi) {
    content_ = std::move(content);
    graha_ = &graha;
    rashi_ = &rashi;
    update();
}

void ChartView::ShowComparison(const Calculation& outer, const Calculation& inner) {
    ShowHouses({}, std::nullopt);
    ShowChart(DoubleChartContent(outer, inner), outer.report.graha, outer.report.rashi);
}

void ChartView::ShowHouses(ChartContent chalit, const std::optional<Houses>& houses) {
    chalitContent_ = std::move(chalit);
    houses_ = houses ? &*houses : nullptr;
    update();
}

void ChartView::SetBhavaChalit(bool byHouse) {
    byHouse_ = byHouse;
    update();
}

void ChartView::SetStyle(ChartStyle style) {
    style_ = style;
    update();
}

void ChartView::SetAspectKind(AspectKind kind) {
    kind_ = kind;
    update();
}

void ChartView::ChooseBody(std::optional<int> body) {
    if (body == chosen_) {
        return;
    }
    chosen_ = body;
    update();
    emit ChosenBodyChanged();
}

double ChartView::ChartSide() const {
    return std::max(0, std::min(width(), height()) - 2 * MARGIN);
}

QPointF ChartView::ChartCorner() const {
    return {(width() - ChartSide()) / 2, static_cast<double>(MARGIN)};
}

const ChartContent& ChartView::ContentShown() const {
    return byHouse_ && houses_ ? chalitContent_ : content_;
}

std::optional<ChartFocus> ChartView::FocusShown() const {
    if (!chosen_ || !graha_) {
        return std::nullopt;
    }
    if (byHouse_ && houses_ && content_.lagnaSign) {
        return HouseFocusOn(*houses_, *content_.lagnaSign, *chosen_);
    }
    return FocusOn(*graha_, *rashi_, kind_, *chosen_);
}

ChartLayout ChartView::CurrentLayout() const {
    return LayOutChart(ContentShown(), style_, FocusShown(), ChartSide());
}

QSize ChartView::sizeHint() const {
    return {PREFERRED_SIDE + 2 * MARGIN, PREFERRED_SIDE + 2 * MARGIN};
}

QSize ChartView::minimumSizeHint() const {
    return {SMALLEST_SIDE + 2 * MARGIN, SMALLEST_SIDE + 2 * MARGIN};
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.translate(ChartCorner());
    const ChartLayout layout = CurrentLayout();
    PaintChart(painter, layout, ColoursOf(palette()));
    if (hasFocus()) {
        const double gap = MARGIN / 2.0;
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(-gap, -gap, layout.side + 2 * gap, layout.side + 2 * gap));
    }
}

void ChartView::ChooseBodyAt(const QPointF& position) {
    const QPointF inChart = position - ChartCorner();
    if (const std::optional<int> body = BodyAt(CurrentLayout(), {inChart.x(), inChart.y()})) {
        ChooseBody(body);
    }
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    ChooseBodyAt(event->position());
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    ChooseBodyAt(event->position());
}

void ChartView::StepBodies(int steps) {
    const int from = chosen_.value_or(steps > 0 ? -1 : BODY_COUNT);
    ChooseBody(((from + steps) % BODY_COUNT + BODY_COUNT) % BODY_COUNT);
}

void ChartView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            StepBodies(1);
            return;
        case Qt::Key_Left:
        case Qt::Key_Up:
            StepBodies(-1);
            return;
        case Qt::Key_Home:
            ChooseBody(0);
            return;
        case Qt::Key_End:
            ChooseBody(BODY_COUNT - 1);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

// Tab coming in starts at the Sun, Shift+Tab at the S Node.
void ChartView::focusInEvent(QFocusEvent* event) {
    if (event->reason() == Qt::TabFocusReason) {
        ChooseBody(0);
    } else if (event->reason() == Qt::BacktabFocusReason) {
        ChooseBody(BODY_COUNT - 1);
    }
    QWidget::focusInEvent(event);
}

// Tab steps through the bodies and leaves the chart after the last one.
bool ChartView::focusNextPrevChild(bool next) {
    if (hasFocus() && chosen_ && (next ? *chosen_ < BODY_COUNT - 1 : *chosen_ > 0)) {
        StepBodies(next ? 1 : -1);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

}  // namespace sarovin
