#pragma once

#include <QRectF>
#include <array>
#include <vector>

#include "chart/strength_tint.h"
#include "document/page_text.h"
#include "drishti/drishti_report.h"

namespace sarovin {

// One strength of the grid: its number on its tint, in bold from 45.
// Under the classical rules the numbers are virupas to two decimals, and
// the nodes, which cast no aspect, show a dash on white.
struct SputaCell {
    double strength = 0;
    Rgb tint;
    bool bold = false;
    PageText number;
};

// One row of the grid: the aspecting body, its position and its
// strengths, one per aspected body (and the Lagna, when shown).
struct SputaRowLayout {
    PageText caption;
    PageText position;
    std::vector<SputaCell> cells;
};

// The grid of strengths, row bodies aspecting the column bodies: nine
// columns under the 1.15 rules; under the classical rules a tenth for the
// Lagna when the ephemeris gives one, and the Drik Bala row beneath. The
// tint's legend follows.
struct SputaGridLayout {
    // "aspecting ↓" over the row captions, "aspected →" over the columns.
    std::array<PageText, 2> axes;
    std::vector<PageText> columnCaptions;
    std::array<SputaRowLayout, BODY_COUNT> rows;
    // "Drik Bala" and the Sun's to Saturn's values; empty under 1.15.
    std::vector<PageText> drikBala;
    // The width of the paper-coloured lines between the cells.
    double cellBorder = 0;
    PageText legendLabel;
    // The bar of every tint from 0 to 60, with its marks in `legendFont`.
    QRectF legendBar;
    QFont legendFont;
    // The bottom of the legend's marks.
    double bottom = 0;
};

// A cell of `text` in `box` on the tint of `strength` (0 to 60), its
// number at `points`, in bold from 45.
SputaCell LayOutSputaCell(const PageMeasure& measure, const QRectF& box, const QString& text,
                          double strength, double points);

// Paints a cell on its tint, inside lines of the paper's colour `border`
// wide.
void PaintSputaCell(QPainter& painter, const SputaCell& cell, double border);

// The grid of `sputa` from the top of `area`, across its width.
SputaGridLayout LayOutSputaGrid(const PageMeasure& measure, const QRectF& area,
                                const DrishtiReport& report);

// Paints the grid as laid out.
void PaintSputaGrid(QPainter& painter, const SputaGridLayout& grid);

}  // namespace sarovin
