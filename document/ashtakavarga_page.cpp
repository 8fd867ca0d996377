#include "document/ashtakavarga_page.h"

#include <QPainter>

#include "document/chart_palette.h"
#include "document/print_text.h"
#include "output/ashtakavarga_output.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr double MARGIN_SHARE = 0.05;
// The name column is as wide as three sign columns; the total's as one.
constexpr int NAME_COLUMNS = 3;
constexpr int COLUMNS = NAME_COLUMNS + ZODIAC_SIGNS + 1;
constexpr double ROW_SHARE = 0.03;   // of the page's width
constexpr double TEXT_SHARE = 0.55;  // of a row's height

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One row of the table from `top`: its name, then its cells.
void PaintRow(QPainter& painter, const QRectF& area, double top, double height, const QString& name,
              const QStringList& cells, bool bold) {
    const double column = area.width() / COLUMNS;
    QFont font = painter.font();
    font.setBold(bold);
    painter.setFont(font);
    painter.drawText(QRectF(area.left(), top, NAME_COLUMNS * column, height),
                     Qt::AlignLeft | Qt::AlignVCenter, name);
    for (qsizetype index = 0; index < cells.size(); ++index) {
        const double left = area.left() + (NAME_COLUMNS + static_cast<double>(index)) * column;
        painter.drawText(QRectF(left, top, column, height), Qt::AlignCenter, cells[index]);
    }
}

}  // namespace

void PaintAshtakavargaPage(QPainter& painter, const std::string& name,
                           const Ashtakavarga& ashtakavarga, const QRectF& page) {
    painter.save();
    const double margin = page.width() * MARGIN_SHARE;
    const QRectF area = page.adjusted(margin, margin, -margin, -margin);
    const double rowHeight = page.width() * ROW_SHARE;
    painter.setFont(FontOfHeight(painter.font(), rowHeight * TEXT_SHARE, painter.device()));
    painter.setPen(chart_colours::INK);
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), rowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Ashtakavarga of %1, %2: bindus by sign")
                         .arg(Text(name), Text(TablesText(ashtakavarga.tables))));
    double top = area.top() + 2 * rowHeight;
    QStringList signs;
    for (const std::string_view sign : VedicSignNames) {
        signs << Text(sign.substr(0, 3));
    }
    signs << QStringLiteral("Total");
    PaintRow(painter, area, top, rowHeight, QString(), signs, true);
    const std::vector<AshtakavargaRow> rows = AshtakavargaRows(ashtakavarga);
    for (std::size_t index = 0; index < rows.size(); ++index) {
        top += rowHeight;
        QStringList cells;
        for (const int count : rows[index].bindus) {
            cells << QString::number(count);
        }
        cells << QString::number(rows[index].total);
        painter.setPen(QPen(chart_colours::LINES, 0.5));
        painter.drawLine(QPointF(area.left(), top), QPointF(area.right(), top));
        painter.setPen(chart_colours::INK);
        // The Sarva row, last, is bold.
        PaintRow(painter, area, top, rowHeight, Text(rows[index].name), cells,
                 index + 1 == rows.size());
    }
    painter.restore();
}

}  // namespace sarovin
