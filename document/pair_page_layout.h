#pragma once

#include <QRectF>
#include <array>
#include <vector>

#include "chart/chart_layout.h"
#include "comparison/chart_comparison.h"
#include "document/page_text.h"
#include "document/sputa_grid_layout.h"

class QPaintDevice;

namespace sarovin {

struct Calculation;

// One direction's Sputa Drishti across two charts: the seven planets of
// one (rows) on the nine bodies of the other and its Lagna (columns), in
// virupas on the Sputa tint.
struct CrossGridLayout {
    PageText caption;
    std::vector<PageText> columnCaptions;
    std::vector<PageText> rowCaptions;
    // Row by row, a cell a column.
    std::vector<SputaCell> cells;
    double cellBorder = 0;
};

// The page of two readings compared, as plain values: the title, each
// birth's lines side by side, the double chart with the mutual aspects
// beside it, the Sputa Drishti each way, and the Graha Drishti across in
// two columns, A's on B first.
struct PairPageLayout {
    PageText title;
    std::array<std::vector<PageText>, 2> births;
    QRectF chartBox;
    ChartLayout chart;
    // The chart's caption, then the mutual aspects' heading and lines.
    std::vector<PageText> beside;
    std::array<CrossGridLayout, 2> grids;
    std::array<std::vector<PageText>, 2> graha;
    // The lowest point anything reaches.
    double bottom = 0;
};

PairPageLayout LayOutPairPage(const Calculation& a, const Calculation& b,
                              const ChartComparison& comparison, ChartStyle style,
                              const QRectF& page, const QPaintDevice& device, const QFont& font);

void PaintPairPage(QPainter& painter, const PairPageLayout& layout);

}  // namespace sarovin
