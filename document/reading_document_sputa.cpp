#include "document/reading_document_sputa.h"

#include <QPainter>
#include <QStringList>
#include <array>
#include <cmath>

#include "chart/strength_tint.h"
#include "document/chart_palette.h"
#include "document/print_legend.h"
#include "document/print_text.h"
#include "platform/qt_text.h"
#include "text/virupas_text.h"

namespace sarovin {

namespace {

constexpr double GRID_POINTS = 7.5;
constexpr double CAPTION_MM = 28;
constexpr double POSITION_MM = 17;
constexpr double ROW_MM = 5.2;
constexpr double LEGEND_BAR_MM = 60;
constexpr double LEGEND_HEIGHT_MM = 3.5;
const QString NO_ASPECT = QStringLiteral("\u2013");

// One cell of the grid: its text and the strength its tint shows.
struct SputaCell {
    QString text;
    double strength = 0;
};

// What the grid shows by the rules in force: the column captions and
// every body's cells.
struct SputaCells {
    QStringList columns;
    std::array<QList<SputaCell>, BODY_COUNT> rows;
};

SputaCell VirupasCell(double virupas) {
    return {ToQString(VirupasText(virupas)), virupas};
}

void FillClassicalCells(const ClassicalSputa& sputa, SputaCells& cells) {
    if (sputa.lagna) {
        cells.columns << QStringLiteral("Lagna");
    }
    for (int body = 0; body < BODY_COUNT; ++body) {
        for (int column = 0; column < cells.columns.size(); ++column) {
            if (body >= ASPECTING_PLANETS) {
                cells.rows[body] << SputaCell{NO_ASPECT, 0};
            } else {
                cells.rows[body] << VirupasCell(column < BODY_COUNT ? sputa.grid[body][column]
                                                                    : sputa.lagna->virupas[body]);
            }
        }
    }
}

SputaCells CellsOf(const DrishtiReport& report) {
    SputaCells cells;
    for (const std::string& caption : report.sputa.columnCaptions) {
        cells.columns << ToQString(caption);
    }
    if (report.classical) {
        FillClassicalCells(report.classical->sputa, cells);
        return cells;
    }
    for (int body = 0; body < BODY_COUNT; ++body) {
        for (const std::int16_t strength : report.sputa.grid[body]) {
            cells.rows[body] << SputaCell{QString::number(strength), static_cast<double>(strength)};
        }
    }
    return cells;
}

// The columns of the grid: the row captions, the positions, then the nine
// strength columns sharing what is left.
struct GridColumns {
    double left;
    double caption;
    double position;
    double cell;

    double CellLeft(int column) const { return left + caption + position + column * cell; }
};

void DrawCellText(const PageSetting& page, const QRectF& box, const QString& text,
                  const QFont& font, int flags) {
    page.painter.setFont(font);
    page.painter.drawText(box, flags, text);
}

void PaintAxes(const PageSetting& page, const GridColumns& columns, double top, double row) {
    const QFont quiet = page.FontOf(GRID_POINTS);
    page.painter.setPen(chart_colours::QUIET_INK);
    DrawCellText(page, QRectF(columns.left, top, columns.caption, row),
                 QStringLiteral("aspecting \u2193"), quiet, Qt::AlignLeft | Qt::AlignBottom);
    DrawCellText(page, QRectF(columns.CellLeft(0), top, 4 * columns.cell, row),
                 QStringLiteral("aspected \u2192"), quiet, Qt::AlignLeft | Qt::AlignBottom);
}

void PaintColumnCaptions(const PageSetting& page, const GridColumns& columns, double top,
                         double row, const QStringList& captions) {
    page.painter.setPen(chart_colours::INK);
    const QFont bold = page.FontOf(GRID_POINTS, true);
    for (int column = 0; column < captions.size(); ++column) {
        DrawFittedText(page.painter, QRectF(columns.CellLeft(column), top, columns.cell, row),
                       captions[column], bold, Qt::AlignHCenter | Qt::AlignBottom);
    }
}

void PaintStrength(const PageSetting& page, const QRectF& cell, const SputaCell& shown) {
    const Rgb tint = StrengthTint(static_cast<int>(std::lround(shown.strength)));
    page.painter.setPen(QPen(chart_colours::PAPER, 0.3 * page.millimetre));
    page.painter.setBrush(ToQColor(tint));
    page.painter.drawRect(cell);
    page.painter.setPen(ToQColor(InkOn(tint)));
    DrawCellText(page, cell, shown.text, page.FontOf(GRID_POINTS, shown.strength >= BOLD_SPUTA),
                 Qt::AlignCenter);
}

// Under the classical rules: "Drik Bala" and the Sun's to Saturn's values.
void PaintDrikBala(const PageSetting& page, const GridColumns& columns, double top, double row,
                   const DrikBala& drikBala) {
    page.painter.setPen(chart_colours::INK);
    DrawCellText(page, QRectF(columns.left, top, columns.caption, row), QStringLiteral("Drik Bala"),
                 page.FontOf(GRID_POINTS, true), Qt::AlignLeft | Qt::AlignVCenter);
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        DrawCellText(page, QRectF(columns.CellLeft(planet), top, columns.cell, row),
                     ToQString(VirupasText(drikBala[planet].virupas)), page.FontOf(GRID_POINTS),
                     Qt::AlignCenter);
    }
}

void PaintRow(const PageSetting& page, const GridColumns& columns, double top, double row,
              const SputaDrishti& sputa, const SputaCells& cells, int body) {
    page.painter.setPen(chart_colours::INK);
    DrawFittedText(page.painter, QRectF(columns.left, top, columns.caption, row),
                   ToQString(sputa.rowCaptions[body]), page.FontOf(GRID_POINTS, true),
                   Qt::AlignLeft | Qt::AlignVCenter);
    DrawCellText(page, QRectF(columns.left + columns.caption, top, columns.position, row),
                 ToQString(sputa.positionCaptions[body]), page.FontOf(GRID_POINTS),
                 Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < cells.columns.size(); ++column) {
        PaintStrength(page, QRectF(columns.CellLeft(column), top, columns.cell, row),
                      cells.rows[body][column]);
    }
}

// The legend of the tint: a bar through every strength with its marks
// beneath; gives the bottom of the marks.
double PaintLegend(const PageSetting& page, double left, double top) {
    const double mm = page.millimetre;
    const QFont quiet = page.FontOf(GRID_POINTS);
    page.painter.setPen(chart_colours::QUIET_INK);
    const QRectF label(left, top, 2 * CAPTION_MM * mm, LEGEND_HEIGHT_MM * mm);
    DrawCellText(page, label, QStringLiteral("Strength (bold from %1)").arg(BOLD_SPUTA), quiet,
                 Qt::AlignLeft | Qt::AlignVCenter);
    PaintStrengthLegend(page.painter,
                        QRectF(label.right(), top, LEGEND_BAR_MM * mm, label.height()),
                        Qt::Horizontal, quiet);
    return label.bottom() + 2 * label.height();
}

}  // namespace

double PaintSputaGrid(const PageSetting& page, const QRectF& area, const DrishtiReport& report) {
    const double mm = page.millimetre;
    const SputaCells cells = CellsOf(report);
    const GridColumns columns{area.left(), CAPTION_MM * mm, POSITION_MM * mm,
                              (area.width() - (CAPTION_MM + POSITION_MM) * mm) /
                                  static_cast<double>(cells.columns.size())};
    const double row = ROW_MM * mm;
    double top = area.top();
    PaintAxes(page, columns, top, row);
    top += row;
    PaintColumnCaptions(page, columns, top, row, cells.columns);
    top += row;
    for (int body = 0; body < BODY_COUNT; ++body) {
        PaintRow(page, columns, top, row, report.sputa, cells, body);
        top += row;
    }
    if (report.classical) {
        PaintDrikBala(page, columns, top, row, report.classical->drikBala);
        top += row;
    }
    return PaintLegend(page, area.left(), top + 2 * mm);
}

}  // namespace sarovin
