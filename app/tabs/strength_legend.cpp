#include "app/tabs/strength_legend.h"

#include <QFontMetrics>
#include <QPainter>

#include "document/print_legend.h"

namespace sarovin {

namespace {

constexpr int BAR_WIDTH = 16;
constexpr int PREFERRED_HEIGHT = 240;

}  // namespace

StrengthLegend::StrengthLegend(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picSputaLegend"));
    setAccessibleName(QStringLiteral("Strength from 0 (white) to 60 (darkest)"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

QSize StrengthLegend::sizeHint() const {
    return {BAR_WIDTH + fontMetrics().horizontalAdvance(QStringLiteral("600")), PREFERRED_HEIGHT};
}

void StrengthLegend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int line = fontMetrics().height();
    PaintStrengthLegend(painter, QRectF(0.5, line / 2.0, BAR_WIDTH, height() - line - 1.0),
                        Qt::Vertical, font(), palette().color(QPalette::WindowText));
}

}  // namespace sarovin
