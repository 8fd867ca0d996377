#include "document/sputa_grid_layout.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "document/print_legend.h"
#include "document/print_text.h"
#include "platform/qt_text.h"
#include "text/virupas_text.h"

namespace sarovin {

namespace {

// The grid's numbers and captions are a point smaller than the page's
// text, so that ten columns of names fit across A4.
constexpr double GRID_POINTS = 9;
constexpr double CAPTION_MM = 30;
constexpr double POSITION_MM = 18;
constexpr double ROW_MM = 6;
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

// A caption made to fit its box: set in the regular weight when bold is
// too wide ("Mercury" over ten columns), and made smaller only when that
// is not enough.
PageText Fitted(const PageMeasure& measure, const QRectF& box, const QString& text, QFont font,
                int flags) {
    FittedText fitted = FitText(measure.device, box, text, font, flags);
    if (font.bold() && fitted.font.pointSizeF() < font.pointSizeF()) {
        font.setBold(false);
        fitted = FitText(measure.device, box, text, font, flags);
    }
    return {box, text, fitted.font, flags};
}

// The column captions set alike: bold when every caption fits its cell
// bold, else all in the regular weight, each within its cell less a gap on
// either side so that neighbours never touch, made smaller only where even
// that is not enough.
std::vector<PageText> ColumnCaptions(const PageMeasure& measure, const std::vector<QRectF>& cells,
                                     const QStringList& captions, QFont font, double gap) {
    std::vector<QRectF> boxes;
    for (const QRectF& cell : cells) {
        boxes.push_back(cell.adjusted(gap, 0, -gap, 0));
    }
    constexpr int FLAGS = Qt::AlignHCenter | Qt::AlignBottom;
    for (std::size_t column = 0; column < boxes.size(); ++column) {
        const FittedText fitted = FitText(measure.device, boxes[column],
                                          captions[static_cast<qsizetype>(column)], font, FLAGS);
        if (fitted.font.pointSizeF() < font.pointSizeF()) {
            font.setBold(false);
            break;
        }
    }
    std::vector<PageText> texts;
    for (std::size_t column = 0; column < boxes.size(); ++column) {
        const QString& caption = captions[static_cast<qsizetype>(column)];
        texts.push_back({boxes[column], caption,
                         FitText(measure.device, boxes[column], caption, font, FLAGS).font, FLAGS});
    }
    return texts;
}

PageText Quiet(const QRectF& box, const QString& text, const QFont& font, int flags) {
    return {box, text, font, flags, chart_colours::QUIET_INK};
}

const QString NO_ASPECT = QStringLiteral("\u2013");

// What a cell shows: its text and the strength its tint and weight follow.
struct CellValue {
    QString text;
    double strength = 0;
};

// The column captions and every row's cells by the rules in force.
struct GridValues {
    QStringList columns;
    std::array<std::vector<CellValue>, BODY_COUNT> rows;
};

void FillClassicalValues(const ClassicalSputa& sputa, GridValues& values) {
    if (sputa.lagna) {
        values.columns << QStringLiteral("Lagna");
    }
    for (int body = 0; body < BODY_COUNT; ++body) {
        for (int column = 0; column < values.columns.size(); ++column) {
            if (body >= ASPECTING_PLANETS) {
                values.rows[body].push_back({NO_ASPECT, 0});
                continue;
            }
            const double virupas =
                column < BODY_COUNT ? sputa.grid[body][column] : sputa.lagna->virupas[body];
            values.rows[body].push_back({ToQString(VirupasText(virupas)), virupas});
        }
    }
}

GridValues ValuesOf(const DrishtiReport& report) {
    GridValues values;
    for (const std::string& caption : report.sputa.columnCaptions) {
        values.columns << ToQString(caption);
    }
    if (report.classical) {
        FillClassicalValues(report.classical->sputa, values);
        return values;
    }
    for (int body = 0; body < BODY_COUNT; ++body) {
        for (const std::int16_t strength : report.sputa.grid[body]) {
            values.rows[body].push_back({QString::number(strength), static_cast<double>(strength)});
        }
    }
    return values;
}

SputaRowLayout RowOf(const PageMeasure& measure, const GridColumns& columns, double top, double row,
                     const SputaDrishti& sputa, const std::vector<CellValue>& values, int body) {
    SputaRowLayout layout;
    layout.caption = Fitted(measure, QRectF(columns.left, top, columns.caption, row),
                            ToQString(sputa.rowCaptions[body]), measure.FontOf(GRID_POINTS, true),
                            Qt::AlignLeft | Qt::AlignVCenter);
    layout.position = {QRectF(columns.left + columns.caption, top, columns.position, row),
                       ToQString(sputa.positionCaptions[body]), measure.FontOf(GRID_POINTS),
                       Qt::AlignLeft | Qt::AlignVCenter};
    for (std::size_t column = 0; column < values.size(); ++column) {
        layout.cells.push_back(LayOutSputaCell(
            measure, QRectF(columns.CellLeft(static_cast<int>(column)), top, columns.cell, row),
            values[column].text, values[column].strength, GRID_POINTS));
    }
    return layout;
}

// Under the classical rules: "Drik Bala" and the Sun's to Saturn's values,
// under their own columns.
std::vector<PageText> DrikBalaRow(const PageMeasure& measure, const GridColumns& columns,
                                  double top, double row, const DrikBala& drikBala) {
    std::vector<PageText> texts{{QRectF(columns.left, top, columns.caption + columns.position, row),
                                 QStringLiteral("Drik Bala"), measure.FontOf(GRID_POINTS, true),
                                 Qt::AlignLeft | Qt::AlignVCenter}};
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        texts.push_back({QRectF(columns.CellLeft(planet), top, columns.cell, row),
                         ToQString(VirupasText(drikBala[planet].virupas)),
                         measure.FontOf(GRID_POINTS), Qt::AlignCenter});
    }
    return texts;
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

}  // namespace

SputaCell LayOutSputaCell(const PageMeasure& measure, const QRectF& box, const QString& text,
                          double strength, double points) {
    SputaCell cell;
    cell.strength = strength;
    const StrengthLook look = LookOfStrength(strength);
    cell.tint = look.tint;
    cell.bold = look.bold;
    cell.number = {box, text, measure.FontOf(points, cell.bold), Qt::AlignCenter,
                   ToQColor(look.ink)};
    return cell;
}

void PaintSputaCell(QPainter& painter, const SputaCell& cell, double border) {
    painter.setPen(QPen(chart_colours::PAPER, border));
    painter.setBrush(ToQColor(cell.tint));
    painter.drawRect(cell.number.box);
    PaintPageText(painter, cell.number);
}

SputaGridLayout LayOutSputaGrid(const PageMeasure& measure, const QRectF& area,
                                const DrishtiReport& report) {
    const SputaDrishti& sputa = report.sputa;
    const GridValues values = ValuesOf(report);
    const double mm = measure.millimetre;
    const GridColumns columns{area.left(), CAPTION_MM * mm, POSITION_MM * mm,
                              (area.width() - (CAPTION_MM + POSITION_MM) * mm) /
                                  static_cast<double>(values.columns.size())};
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
    std::vector<QRectF> captionCells;
    for (int column = 0; column < values.columns.size(); ++column) {
        captionCells.emplace_back(columns.CellLeft(column), top, columns.cell, row);
    }
    grid.columnCaptions = ColumnCaptions(measure, captionCells, values.columns,
                                         measure.FontOf(GRID_POINTS, true), grid.cellBorder);
    top += row;
    for (int body = 0; body < BODY_COUNT; ++body) {
        grid.rows[body] = RowOf(measure, columns, top, row, sputa, values.rows[body], body);
        top += row;
    }
    if (report.classical) {
        grid.drikBala = DrikBalaRow(measure, columns, top, row, report.classical->drikBala);
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
            PaintSputaCell(painter, cell, grid.cellBorder);
        }
    }
    for (const PageText& text : grid.drikBala) {
        PaintPageText(painter, text);
    }
    PaintPageText(painter, grid.legendLabel);
    PaintStrengthLegend(painter, grid.legendBar, Qt::Horizontal, grid.legendFont);
}

}  // namespace sarovin
