#include "dist/reading_file_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "links/program_icon.h"

namespace sarovin {

namespace {

// Laid out on a grid of 256 units a side, like the program's icon.
constexpr qreal GRID = 256;
constexpr QRectF SHEET(36, 12, 184, 232);
constexpr qreal FOLD = 56;
constexpr qreal OUTLINE = 4;
// The program's icon fills most of the sheet below the fold, so that it
// still reads at 16 pixels.
constexpr QRectF EMBLEM(52, 84, 152, 152);

const QColor PAPER_LIGHT(0xff, 0xff, 0xff);
const QColor PAPER_DARK(0xe4, 0xe4, 0xee);
const QColor FOLD_COLOUR(0xc8, 0xc8, 0xd8);
const QColor OUTLINE_COLOUR(0x6e, 0x6e, 0x8a);

QPainterPath Sheet() {
    QPainterPath sheet;
    sheet.moveTo(SHEET.topLeft());
    sheet.lineTo(SHEET.right() - FOLD, SHEET.top());
    sheet.lineTo(SHEET.right(), SHEET.top() + FOLD);
    sheet.lineTo(SHEET.bottomRight());
    sheet.lineTo(SHEET.bottomLeft());
    sheet.closeSubpath();
    return sheet;
}

QPainterPath Fold() {
    QPainterPath fold;
    fold.moveTo(SHEET.right() - FOLD, SHEET.top());
    fold.lineTo(SHEET.right() - FOLD, SHEET.top() + FOLD);
    fold.lineTo(SHEET.right(), SHEET.top() + FOLD);
    fold.closeSubpath();
    return fold;
}

}  // namespace

QImage ReadingFileIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = size / GRID;
    painter.scale(scale, scale);

    // At least one pixel wide, or the outline fades away at small sizes.
    QPen pen(OUTLINE_COLOUR, qMax(OUTLINE, 1 / scale));
    pen.setJoinStyle(Qt::MiterJoin);
    QLinearGradient paper(0, SHEET.top(), 0, SHEET.bottom());
    paper.setColorAt(0, PAPER_LIGHT);
    paper.setColorAt(1, PAPER_DARK);
    painter.setPen(pen);
    painter.setBrush(paper);
    painter.drawPath(Sheet());
    painter.setBrush(FOLD_COLOUR);
    painter.drawPath(Fold());

    // On whole pixels, so the emblem's tile edges stay crisp.
    painter.resetTransform();
    const QRect emblem(qRound(EMBLEM.x() * scale), qRound(EMBLEM.y() * scale),
                       qRound(EMBLEM.width() * scale), qRound(EMBLEM.height() * scale));
    ProgramIcon().paint(&painter, emblem);
    painter.end();
    return image;
}

}  // namespace sarovin
