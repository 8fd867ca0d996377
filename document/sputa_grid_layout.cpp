#include "document/sputa_grid_layout.h"

#include <QPainter>

#include "document/print_legend.h"
#include "document/print_text.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

constexpr double GRID_POINTS = 7.5;
constexpr double CAPTION_MM = 28;
constexpr double POSITION_MM = 17;
constexpr double ROW_MM = 5.2;
constexpr double CELL_BORDER_MM = 0.3;
constexpr double LEGEND_BAR_MM = 60;
constexpr double LEGEND_HEIGHT_MM = 3.5;

// The columns of the grid: the row captions, the positions, then the nine
// strength columns sharing what is left.
struct GridColumns {
    double left;
    double caption;
    double position;
    double cell;

    double CellLeft(int column) const { return left + caption + position + column * cell; }
};

// A caption made smaller until it fits its box.
PageText Fitted(const PageMeasure& measure, const QRectF& box, const QString& text,
                const QFont& font, int flags) {
    return {box, text, FitText(measure.device, box, text, font, flags).font, flags};
}

PageText Quiet(const QRectF& box, const QString& text, const QFont& font, int flags) {
    return {box, text, font, flags, chart_colours::QUIET_INK};
}

SputaCell CellOf(const PageMeasure& measure, const QRectF& box, int strength) {
    SputaCell cell;
    cell.strength = strength;
    cell.tint = StrengthTint(strength);
    cell.bold = strength >= BOLD_SPUTA;
    cell.number = {box, QString::number(strength), measure.FontOf(GRID_POINTS, cell.bold),
                   Qt::AlignCenter, ToQColor(InkOn(cell.tint))};
    return cell;
}

SputaRowLayout RowOf(const PageMeasure& measure, const GridColumns& columns, double top, double row,
                     const SputaDrishti& sputa, int body) {
    SputaRowLayout layout;
    layout.caption = Fitted(measure, QRectF(columns.left, top, columns.caption, row),
                            ToQString(sputa.rowCaptions[body]), measure.FontOf(GRID_POINTS, true),
                            Qt::AlignLeft | Qt::AlignVCenter);
    layout.position = {QRectF(columns.left + columns.caption, top, columns.position, row),
                       ToQString(sputa.positionCaptions[body]), measure.FontOf(GRID_POINTS),
                       Qt::AlignLeft | Qt::AlignVCenter};
    for (int column = 0; column < BODY_COUNT; ++column) {
        layout.cells[column] =
            CellOf(measure, QRectF(columns.CellLeft(column), top, columns.cell, row),
                   sputa.grid[body][column]);
    }
    return layout;
}

// The legend of the tint: its label, then a bar through every strength
// with its marks beneath.
void LayOutLegend(const PageMeasure& measure, double left, double top, SputaGridLayout& grid) {
    const double mm = measure.millimetre;
    grid.legendFont = measure.FontOf(GRID_POINTS);
    const QRectF label(left, top, 2 * CAPTION_MM * mm, LEGEND_HEIGHT_MM * mm);
    grid.legendLabel = Quiet(label, QStringLiteral("Strength (bold from %1)").arg(BOLD_SPUTA),
                             grid.legendFont, Qt::AlignLeft | Qt::AlignVCenter);
    grid.legendBar = QRectF(label.right(), top, LEGEND_BAR_MM * mm, label.height());
    grid.bottom = label.bottom() + 2 * label.height();
}

void PaintCell(QPainter& painter, const SputaCell& cell, double border) {
    painter.setPen(QPen(chart_colours::PAPER, border));
    painter.setBrush(ToQColor(cell.tint));
    painter.drawRect(cell.number.box);
    PaintPageText(painter, cell.number);
}

}  // namespace

SputaGridLayout LayOutSputaGrid(const PageMeasure& measure, const QRectF& area,
                                const SputaDrishti& sputa) {
    const double mm = measure.millimetre;
    const GridColumns columns{area.left(), CAPTION_MM * mm, POSITION_MM * mm,
                              (area.width() - (CAPTION_MM + POSITION_MM) * mm) / BODY_COUNT};
    const double row = ROW_MM * mm;
    SputaGridLayout grid;
    grid.cellBorder = CELL_BORDER_MM * mm;
    double top = area.top();
    const QFont quiet = measure.FontOf(GRID_POINTS);
    grid.axes = {Quiet(QRectF(columns.left, top, columns.caption, row),
                       QStringLiteral("aspecting \u2193"), quiet, Qt::AlignLeft | Qt::AlignBottom),
                 Quiet(QRectF(columns.CellLeft(0), top, 4 * columns.cell, row),
                       QStringLiteral("aspected \u2192"), quiet, Qt::AlignLeft | Qt::AlignBottom)};
    top += row;
    for (int column = 0; column < BODY_COUNT; ++column) {
        grid.columnCaptions[column] =
            Fitted(measure, QRectF(columns.CellLeft(column), top, columns.cell, row),
                   ToQString(sputa.columnCaptions[column]), measure.FontOf(GRID_POINTS, true),
                   Qt::AlignHCenter | Qt::AlignBottom);
    }
    top += row;
    for (int body = 0; body < BODY_COUNT; ++body) {
        grid.rows[body] = RowOf(measure, columns, top, row, sputa, body);
        top += row;
    }
    LayOutLegend(measure, area.left(), top + 2 * mm, grid);
    return grid;
}

void PaintSputaGrid(QPainter& painter, const SputaGridLayout& grid) {
    for (const PageText& axis : grid.axes) {
        PaintPageText(painter, axis);
    }
    for (const PageText& caption : grid.columnCaptions) {
        PaintPageText(painter, caption);
    }
    for (const SputaRowLayout& row : grid.rows) {
        PaintPageText(painter, row.caption);
        PaintPageText(painter, row.position);
        for (const SputaCell& cell : row.cells) {
            PaintCell(painter, cell, grid.cellBorder);
        }
    }
    PaintPageText(painter, grid.legendLabel);
    PaintStrengthLegend(painter, grid.legendBar, Qt::Horizontal, grid.legendFont);
}

}  // namespace sarovin
