#include "document/strength_bars.h"

#include <QPainter>

#include <algorithm>

#include "document/chart_palette.h"
#include "document/print_text.h"
#include "engine/body_slot.h"

namespace sarovin {

namespace {

// The labels' height: at least 10 device pixels, otherwise a
// fourteenth of the chart, so that they keep their size on paper.
constexpr double LEAST_TEXT_HEIGHT = 10;
constexpr double TEXT_SHARE = 1.0 / 14;
constexpr double BAR_SHARE = 0.6;
const QColor STRONG(0x4a, 0x8a, 0x4a);
const QColor WEAK(0xc0, 0x60, 0x40);

// The largest ratio shown, never below 1.5 so the line at 1 stands clear
// of the top.
double Scale(const Shadbala& shadbala) {
    double largest = 1.5;
    for (const PlanetShadbala& bala : shadbala.planets) {
        largest = std::max(largest, bala.ratio);
    }
    return largest;
}

}  // namespace

void PaintStrengthRatios(QPainter& painter, const Shadbala& shadbala, const QRectF& area) {
    painter.save();
    const double textHeight = std::max(LEAST_TEXT_HEIGHT, area.height() * TEXT_SHARE);
    painter.setFont(FontOfHeight(painter.font(), textHeight, painter.device()));
    const double label = textHeight * 1.8;
    const double top = area.top() + label;
    const double bottom = area.bottom() - label;
    const double height = std::max(bottom - top, 1.0);
    const double scale = Scale(shadbala);
    const double slot = area.width() / ASPECTING_PLANETS;
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        const PlanetShadbala& bala = shadbala.planets[static_cast<std::size_t>(planet)];
        const double left = area.left() + slot * planet;
        const double barTop = bottom - height * std::max(bala.ratio, 0.0) / scale;
        painter.setPen(Qt::NoPen);
        painter.setBrush(bala.ratio >= 1 ? STRONG : WEAK);
        painter.drawRect(
            QRectF(left + slot * (1 - BAR_SHARE) / 2, barTop, slot * BAR_SHARE, bottom - barTop));
        painter.setPen(chart_colours::INK);
        painter.drawText(QRectF(left, barTop - label, slot, label), Qt::AlignCenter,
                         QString::number(bala.ratio, 'f', 2));
        painter.drawText(
            QRectF(left, bottom, slot, label), Qt::AlignCenter,
            QString::fromUtf8(SlotNames[static_cast<std::size_t>(planet)].englishName.data()));
    }
    const double one = bottom - height / scale;
    painter.setPen(QPen(chart_colours::QUIET_INK, textHeight / LEAST_TEXT_HEIGHT, Qt::DashLine));
    painter.drawLine(QPointF(area.left(), one), QPointF(area.right(), one));
    painter.setPen(chart_colours::LINES);
    painter.drawLine(QPointF(area.left(), bottom), QPointF(area.right(), bottom));
    painter.restore();
}

}  // namespace sarovin
