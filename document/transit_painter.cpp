#include "document/transit_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include "document/chart_palette.h"
#include "document/print_text.h"

namespace sarovin {

namespace {

constexpr double TEXT_HEIGHT = 11;
constexpr double TICK_LENGTH = 4;
constexpr double LABEL_PADDING = 4;
const QColor TODAY(0xc0, 0x20, 0x20);
const QColor GRID(0xe4, 0xe4, 0xe4);
const QColor CURVE(0x1c, 0x3a, 0x8a);

void UseTextHeight(QPainter& painter) {
    painter.setFont(FontOfHeight(painter.font(), TEXT_HEIGHT, painter.device()));
}

void PaintTimeTicks(QPainter& painter, const std::vector<TimeTick>& ticks, double top,
                    double bottom) {
    for (const TimeTick& tick : ticks) {
        painter.setPen(GRID);
        painter.drawLine(QPointF(tick.x, top), QPointF(tick.x, bottom));
        painter.setPen(chart_colours::QUIET_INK);
        painter.drawLine(QPointF(tick.x, bottom), QPointF(tick.x, bottom + TICK_LENGTH));
        painter.drawText(QRectF(tick.x + 2, bottom, 80, TEXT_HEIGHT * 1.6),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(tick.text));
    }
}

// The Mahadashas and Antardashas over the rows, each named where its bar
// has room for the name.
void PaintDashaLane(QPainter& painter, const TimelineLayout& layout) {
    painter.setPen(chart_colours::INK);
    const char* levels[] = {"Mahadasha", "Antardasha"};
    for (int level = 0; level < 2; ++level) {
        painter.drawText(QRectF(LABEL_PADDING, level * layout.rowHeight,
                                layout.labelWidth - 2 * LABEL_PADDING, layout.rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(levels[level]));
    }
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (const DashaBar& bar : layout.dashaBars) {
        const QRectF box(bar.left, bar.top, std::max(bar.right - bar.left, 1.0),
                         bar.bottom - bar.top);
        painter.setPen(QPen(chart_colours::LINES, 0.5));
        painter.setBrush(ToQColor(bar.fill));
        painter.drawRect(box);
        const QString label = QString::fromStdString(bar.label);
        if (metrics.horizontalAdvance(label) + 2 * LABEL_PADDING <= box.width()) {
            painter.setPen(chart_colours::INK);
            painter.drawText(box, Qt::AlignCenter, label);
        }
    }
}

void PaintRow(QPainter& painter, const TimelineLayout& layout, const TimelineRow& row) {
    painter.setPen(chart_colours::INK);
    painter.drawText(
        QRectF(LABEL_PADDING, row.top, layout.labelWidth - 2 * LABEL_PADDING, layout.rowHeight),
        Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(row.label));
    // Graha bands first, the Sputa bars over them.
    for (const bool graha : {true, false}) {
        for (const TimelineBar& bar : row.bars) {
            if ((bar.event.kind == TransitKind::Graha) != graha) {
                continue;
            }
            painter.setPen(graha ? Qt::NoPen : QPen(chart_colours::LINES, 0.5));
            painter.setBrush(ToQColor(bar.fill));
            painter.drawRect(QRectF(bar.left, bar.top, std::max(bar.right - bar.left, 1.0),
                                    bar.bottom - bar.top));
        }
    }
}

}  // namespace

void PaintTimeline(QPainter& painter, const TimelineLayout& layout, const TimelineRow* chosenRow) {
    painter.save();
    UseTextHeight(painter);
    const double axis =
        layout.rows.empty() ? layout.laneHeight : layout.rows.back().top + layout.rowHeight;
    if (chosenRow != nullptr) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(chart_colours::ASPECTED);
        painter.drawRect(QRectF(0, chosenRow->top, layout.width, layout.rowHeight));
    }
    PaintTimeTicks(painter, layout.ticks, 0, axis);
    PaintDashaLane(painter, layout);
    for (const TimelineRow& row : layout.rows) {
        PaintRow(painter, layout, row);
    }
    if (layout.todayX) {
        painter.setPen(QPen(TODAY, 1.5));
        painter.drawLine(QPointF(*layout.todayX, 0), QPointF(*layout.todayX, axis));
    }
    painter.restore();
}

void PaintStrengthPlot(QPainter& painter, const StrengthPlot& plot) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    UseTextHeight(painter);
    painter.setPen(chart_colours::INK);
    painter.drawText(QRectF(plot.left, 0, plot.right - plot.left, plot.top),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(plot.title));
    PaintTimeTicks(painter, plot.timeTicks, plot.top, plot.bottom);
    for (const StrengthTick& tick : plot.strengthTicks) {
        painter.setPen(GRID);
        painter.drawLine(QPointF(plot.left, tick.y), QPointF(plot.right, tick.y));
        painter.setPen(chart_colours::QUIET_INK);
        painter.drawText(
            QRectF(0, tick.y - TEXT_HEIGHT, plot.left - LABEL_PADDING, 2 * TEXT_HEIGHT),
            Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(tick.text));
    }
    painter.setPen(QPen(TODAY, 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left, plot.thresholdY), QPointF(plot.right, plot.thresholdY));
    painter.setPen(chart_colours::LINES);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(plot.left, plot.top, plot.right - plot.left, plot.bottom - plot.top));
    QPolygonF curve;
    for (const PlotPoint& point : plot.curve) {
        curve << QPointF(point.x, point.y);
    }
    painter.setPen(QPen(CURVE, 1.5));
    painter.drawPolyline(curve);
    painter.restore();
}

}  // namespace sarovin
