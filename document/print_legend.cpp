#include "document/print_legend.h"

#include <QFontMetricsF>
#include <QPainter>

#include "chart/strength_tint.h"
#include "document/chart_palette.h"

namespace sarovin {

namespace {

constexpr int MARKED_STEP = 15;
constexpr int SLICES = STRONGEST_SPUTA + 1;
// Each slice reaches a little into the next so no seam shows between them.
constexpr double SLICE_OVERLAP = 1.05;

QRectF Slice(const QRectF& bar, Qt::Orientation orientation, int strength) {
    if (orientation == Qt::Horizontal) {
        const double step = bar.width() / SLICES;
        return {bar.left() + strength * step, bar.top(), step * SLICE_OVERLAP, bar.height()};
    }
    const double step = bar.height() / SLICES;
    return {bar.left(), bar.top() + strength * step, bar.width(), step * SLICE_OVERLAP};
}

void PaintMark(QPainter& painter, const QRectF& bar, Qt::Orientation orientation, int strength,
               double lineHeight) {
    const QPointF middle = Slice(bar, orientation, strength).center();
    const QString text = QString::number(strength);
    if (orientation == Qt::Horizontal) {
        painter.drawText(
            QRectF(middle.x() - 2 * lineHeight, bar.bottom(), 4 * lineHeight, lineHeight),
            Qt::AlignHCenter | Qt::AlignTop, text);
    } else {
        painter.drawText(QRectF(bar.right() + lineHeight / 4, middle.y() - lineHeight / 2,
                                3 * lineHeight, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

}  // namespace

void PaintStrengthLegend(QPainter& painter, const QRectF& bar, Qt::Orientation orientation,
                         const QFont& font, const QColor& ink) {
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int strength = 0; strength <= STRONGEST_SPUTA; ++strength) {
        painter.setBrush(ToQColor(StrengthTint(strength)));
        painter.drawRect(Slice(bar, orientation, strength).intersected(bar));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(chart_colours::LINES, 0));
    painter.drawRect(bar);
    painter.setPen(ink);
    painter.setFont(font);
    const double lineHeight = QFontMetricsF(font, painter.device()).height();
    for (int strength = 0; strength <= STRONGEST_SPUTA; strength += MARKED_STEP) {
        PaintMark(painter, bar, orientation, strength, lineHeight);
    }
    painter.restore();
}

}  // namespace sarovin
