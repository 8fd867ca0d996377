#include "app/tabs/strength_bars_view.h"

#include <QPainter>

#include "document/strength_bars.h"
#include "engine/body_slot.h"

namespace sarovin {

namespace {

constexpr int MINIMUM_HEIGHT = 160;

// "Sun 1.23, Moon 1.40, ..." for a screen reader.
QString RatiosDescription(const Shadbala& shadbala) {
    QStringList ratios;
    for (const PlanetShadbala& bala : shadbala.planets) {
        ratios << QStringLiteral("%1 %2")
                      .arg(QString::fromUtf8(
                          SlotNames[static_cast<std::size_t>(bala.planet)].englishName.data()))
                      .arg(bala.ratio, 0, 'f', 2);
    }
    return QStringLiteral("Shadbala over the rupas required: ") + ratios.join(QStringLiteral(", "));
}

}  // namespace

StrengthBarsView::StrengthBarsView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picStrengthRatios"));
    setAccessibleName(QStringLiteral("Strength ratios"));
    setMinimumHeight(MINIMUM_HEIGHT);
}

void StrengthBarsView::ShowShadbala(const Shadbala& shadbala) {
    shadbala_ = shadbala;
    setAccessibleDescription(RatiosDescription(shadbala));
    update();
}

void StrengthBarsView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (shadbala_) {
        PaintStrengthRatios(painter, *shadbala_, QRectF(rect()).adjusted(8, 4, -8, -4));
    }
}

}  // namespace sarovin
