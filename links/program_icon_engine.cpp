#include "links/program_icon_engine.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <QtMath>

namespace sarovin {

namespace {

// The drawing is laid out on a grid of 256 units a side and scaled to the
// target. Units this large keep the curves of the crescent smooth, since
// cutting one shape from another flattens curves to a fixed tolerance.
constexpr qreal GRID = 256;
constexpr qreal TILE_MARGIN = 5;
constexpr qreal TILE_CORNER = 52;
constexpr QPointF CENTRE(128, 128);
constexpr qreal CRESCENT_RADIUS = 102;
// The crescent is its disc less a slightly smaller one shifted towards the
// upper right; the shift sets how thick the crescent is at its middle.
constexpr qreal CRESCENT_BITE_RADIUS = 95;
constexpr QPointF CRESCENT_BITE_SHIFT(15, -15);
constexpr int STAR_POINTS = 8;
constexpr qreal STAR_OUTER_RADIUS = 74;
constexpr qreal STAR_INNER_RADIUS = 31;
constexpr qreal DISABLED_OPACITY = 0.4;

const QColor TILE_LIGHT(0x3a, 0x3c, 0x9a);
const QColor TILE_DARK(0x1b, 0x1a, 0x52);
const QColor CRESCENT_COLOUR(0xf4, 0xe7, 0xb8);
const QColor GOLD_LIGHT(0xff, 0xd8, 0x5a);
const QColor GOLD_DARK(0xe0, 0x96, 0x1c);

QPainterPath Tile() {
    QPainterPath tile;
    const qreal side = GRID - 2 * TILE_MARGIN;
    tile.addRoundedRect(QRectF(TILE_MARGIN, TILE_MARGIN, side, side), TILE_CORNER, TILE_CORNER);
    return tile;
}

QPainterPath Crescent() {
    QPainterPath disc;
    disc.addEllipse(CENTRE, CRESCENT_RADIUS, CRESCENT_RADIUS);
    QPainterPath bite;
    bite.addEllipse(CENTRE + CRESCENT_BITE_SHIFT, CRESCENT_BITE_RADIUS, CRESCENT_BITE_RADIUS);
    return disc.subtracted(bite);
}

// Long points alternate with short ones, the first pointing straight up.
QPainterPath Star() {
    QPainterPath star;
    const int corners = 2 * STAR_POINTS;
    for (int corner = 0; corner < corners; ++corner) {
        const qreal radius = corner % 2 == 0 ? STAR_OUTER_RADIUS : STAR_INNER_RADIUS;
        const qreal angle = 2 * M_PI * corner / corners;
        const QPointF point = CENTRE + QPointF(radius * qSin(angle), -radius * qCos(angle));
        if (corner == 0) {
            star.moveTo(point);
        } else {
            star.lineTo(point);
        }
    }
    star.closeSubpath();
    return star;
}

void PaintIcon(QPainter& painter, const QRectF& target) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.translate(target.topLeft());
    painter.scale(target.width() / GRID, target.height() / GRID);

    QLinearGradient tileShade(0, 0, 0, GRID);
    tileShade.setColorAt(0, TILE_LIGHT);
    tileShade.setColorAt(1, TILE_DARK);
    painter.fillPath(Tile(), tileShade);
    painter.fillPath(Crescent(), CRESCENT_COLOUR);
    QRadialGradient starShade(CENTRE, STAR_OUTER_RADIUS);
    starShade.setColorAt(0, GOLD_LIGHT);
    starShade.setColorAt(1, GOLD_DARK);
    painter.fillPath(Star(), starShade);

    painter.restore();
}

}  // namespace

void ProgramIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                              QIcon::State) {
    // A square icon keeps its shape in a rectangle that is not square.
    const int side = qMin(rect.width(), rect.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(QRectF(rect).center());
    painter->save();
    if (mode == QIcon::Disabled) {
        painter->setOpacity(painter->opacity() * DISABLED_OPACITY);
    }
    PaintIcon(*painter, square);
    painter->restore();
}

// QIcon asks for the size in device pixels and sets the device pixel ratio
// of the result itself, so the drawing fills every pixel of a dense screen.
QPixmap ProgramIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    QPixmap pixmap(size);
    if (pixmap.isNull()) {
        return pixmap;
    }
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, pixmap.rect(), mode, state);
    painter.end();
    return pixmap;
}

QIconEngine* ProgramIconEngine::clone() const {
    return new ProgramIconEngine(*this);
}

QString ProgramIconEngine::key() const {
    return QStringLiteral("ProgramIconEngine");
}

}  // namespace sarovin
