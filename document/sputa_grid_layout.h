#pragma once

#include <QRectF>
#include <array>
#include <vector>

#include "chart/strength_tint.h"
#include "document/page_text.h"
#include "drishti/sputa_drishti.h"

namespace sarovin {

// One strength of the grid: its number on its tint, in bold from 45.
struct SputaCell {
    int strength = 0;
    Rgb tint;
    bool bold = false;
    PageText number;
};

// One row of the grid: the aspecting body, its position and its nine
// strengths, one per aspected body.
struct SputaRowLayout {
    PageText caption;
    PageText position;
    std::array<SputaCell, BODY_COUNT> cells;
};

// The 9 x 9 grid of strengths, row bodies aspecting the column bodies, and
// the tint's legend beneath.
struct SputaGridLayout {
    // "aspecting ↓" over the row captions, "aspected →" over the columns.
    std::array<PageText, 2> axes;
    std::array<PageText, BODY_COUNT> columnCaptions;
    std::array<SputaRowLayout, BODY_COUNT> rows;
    // The width of the paper-coloured lines between the cells.
    double cellBorder = 0;
    PageText legendLabel;
    // The bar of every tint from 0 to 60, with its marks in `legendFont`.
    QRectF legendBar;
    QFont legendFont;
    // The bottom of the legend's marks.
    double bottom = 0;
};

// The grid of `sputa` from the top of `area`, across its width.
SputaGridLayout LayOutSputaGrid(const PageMeasure& measure, const QRectF& area,
                                const SputaDrishti& sputa);

// Paints the grid as laid out.
void PaintSputaGrid(QPainter& painter, const SputaGridLayout& grid);

}  // namespace sarovin
