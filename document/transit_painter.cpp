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
constexpr double LABEL_BOX = 80;
constexpr double GRID_SHARE = 0.15;

void UseTextHeight(QPainter& painter) {
    painter.setFont(FontOfHeight(painter.font(), TEXT_HEIGHT, painter.device()));
}

// The grid's faint lines: a little of the quiet ink on the paper.
QColor GridColour(const ChartColours& colours) {
    const QColor& paper = colours.paper;
    const QColor& ink = colours.quietInk;
    return QColor::fromRgbF(
        static_cast<float>(paper.redF() + (ink.redF() - paper.redF()) * GRID_SHARE),
        static_cast<float>(paper.greenF() + (ink.greenF() - paper.greenF()) * GRID_SHARE),
        static_cast<float>(paper.blueF() + (ink.blueF() - paper.blueF()) * GRID_SHARE));
}

void PaintGridLines(QPainter& painter, const std::vector<TimeTick>& ticks, double top,
                    double bottom, const ChartColours& colours) {
    painter.setPen(GridColour(colours));
    for (const TimeTick& tick : ticks) {
        painter.drawLine(QPointF(tick.x, top), QPointF(tick.x, bottom));
    }
}

// Each tick's mark below `axis` and its label beside it.
void PaintTickLabels(QPainter& painter, const std::vector<TimeTick>& ticks, double axis,
                     const ChartColours& colours) {
    painter.setPen(colours.quietInk);
    for (const TimeTick& tick : ticks) {
        painter.drawLine(QPointF(tick.x, axis), QPointF(tick.x, axis + TICK_LENGTH));
        painter.drawText(QRectF(tick.x + 2, axis, LABEL_BOX, TEXT_HEIGHT * 1.6),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(tick.text));
    }
}

// The time axis's part of the timeline, right of the labels.
QRectF PlotArea(const TimelineLayout& layout) {
    return QRectF(layout.labelWidth, 0, layout.width - layout.labelWidth, layout.height);
}

// The Mahadashas and Antardashas over the rows, each named where its bar
// has room for the name.
void PaintDashaLane(QPainter& painter, const TimelineLayout& layout, const ChartColours& colours) {
    if (layout.laneHeight == 0) {
        return;
    }
    painter.setPen(colours.ink);
    const char* levels[] = {"Mahadasha", "Antardasha"};
    for (int level = 0; level < 2; ++level) {
        painter.drawText(QRectF(LABEL_PADDING, level * layout.rowHeight,
                                layout.labelWidth - 2 * LABEL_PADDING, layout.rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(levels[level]));
    }
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.save();
    painter.setClipRect(PlotArea(layout));
    for (const DashaBar& bar : layout.dashaBars) {
        const QRectF box(bar.left, bar.top, std::max(bar.right - bar.left, 1.0),
                         bar.bottom - bar.top);
        painter.setPen(QPen(chart_colours::LINES, 0.5));
        painter.setBrush(ToQColor(bar.fill));
        painter.drawRect(box);
        const QString label = QString::fromStdString(bar.label);
        if (metrics.horizontalAdvance(label) + 2 * LABEL_PADDING <= box.width()) {
            painter.setPen(chart_colours::INK);
            painter.drawText(box.intersected(PlotArea(layout)), Qt::AlignCenter, label);
        }
    }
    painter.restore();
}

void PaintRow(QPainter& painter, const TimelineLayout& layout, const TimelineRow& row,
              const ChartColours& colours) {
    painter.setPen(colours.ink);
    painter.drawText(
        QRectF(LABEL_PADDING, row.top, layout.labelWidth - 2 * LABEL_PADDING, layout.rowHeight),
        Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(row.label));
    painter.save();
    painter.setClipRect(PlotArea(layout));
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
    painter.restore();
}

}  // namespace

void PaintTimeline(QPainter& painter, const TimelineLayout& layout, const TimelineRow* chosenRow,
                   const ChartColours& colours, AxisLabels labels) {
    painter.save();
    UseTextHeight(painter);
    const double axis =
        layout.rows.empty() ? layout.laneHeight : layout.rows.back().top + layout.rowHeight;
    if (chosenRow != nullptr) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.aspected);
        painter.drawRect(QRectF(0, chosenRow->top, layout.width, layout.rowHeight));
    }
    if (axis > 0) {
        PaintGridLines(painter, layout.ticks, 0, axis, colours);
        if (labels == AxisLabels::Under) {
            PaintTickLabels(painter, layout.ticks, axis, colours);
        }
    }
    PaintDashaLane(painter, layout, colours);
    for (const TimelineRow& row : layout.rows) {
        PaintRow(painter, layout, row, colours);
    }
    if (layout.todayX) {
        painter.setPen(QPen(colours.arrow, 1.5));
        painter.drawLine(QPointF(*layout.todayX, 0), QPointF(*layout.todayX, axis));
    }
    painter.restore();
}

void PaintTimeAxis(QPainter& painter, const TimelineLayout& layout, double height,
                   const ChartColours& colours) {
    painter.save();
    UseTextHeight(painter);
    const double foot = height - TICK_LENGTH;
    painter.setPen(colours.quietInk);
    for (const TimeTick& tick : layout.ticks) {
        painter.drawLine(QPointF(tick.x, foot), QPointF(tick.x, height));
        painter.drawText(QRectF(tick.x + 2, 0, LABEL_BOX, foot), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(tick.text));
    }
    painter.restore();
}

void PaintStrengthPlot(QPainter& painter, const StrengthPlot& plot, const ChartColours& colours) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    UseTextHeight(painter);
    painter.setPen(colours.ink);
    painter.drawText(QRectF(plot.left, 0, plot.right - plot.left, plot.top),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(plot.title));
    PaintGridLines(painter, plot.timeTicks, plot.top, plot.bottom, colours);
    PaintTickLabels(painter, plot.timeTicks, plot.bottom, colours);
    for (const StrengthTick& tick : plot.strengthTicks) {
        painter.setPen(GridColour(colours));
        painter.drawLine(QPointF(plot.left, tick.y), QPointF(plot.right, tick.y));
        painter.setPen(colours.quietInk);
        painter.drawText(
            QRectF(0, tick.y - TEXT_HEIGHT, plot.left - LABEL_PADDING, 2 * TEXT_HEIGHT),
            Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(tick.text));
    }
    painter.setPen(QPen(colours.arrow, 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left, plot.thresholdY), QPointF(plot.right, plot.thresholdY));
    if (plot.todayX) {
        painter.setPen(QPen(colours.arrow, 1.5));
        painter.drawLine(QPointF(*plot.todayX, plot.top), QPointF(*plot.todayX, plot.bottom));
    }
    painter.setPen(colours.lines);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(plot.left, plot.top, plot.right - plot.left, plot.bottom - plot.top));
    QPolygonF curve;
    for (const PlotPoint& point : plot.curve) {
        curve << QPointF(point.x, point.y);
    }
    painter.setPen(QPen(colours.secondChart, 1.5));
    painter.drawPolyline(curve);
    painter.restore();
}

}  // namespace sarovin
