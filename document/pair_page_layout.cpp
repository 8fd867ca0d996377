#include "document/pair_page_layout.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "calculation/calculation.h"
#include "chart/chart_content.h"
#include "comparison/comparison_texts.h"
#include "document/chart_painter.h"
#include "document/reading_page_layout.h"
#include "engine/body_slot.h"
#include "platform/qt_text.h"
#include "text/virupas_text.h"

namespace sarovin {

namespace {

constexpr double CELL_BORDER_MM = 0.3;
// The cells' numbers keep their size when the page is made smaller.
constexpr double CELL_POINTS = 7.5;

// The sizes of the page's texts and parts, all made smaller together when
// the pair would not fit (long names, many mutual aspects).
struct Sizes {
    double title = 14;
    double birth = 8.5;
    double section = 10;
    double text = 8;
    double gridPoints = 7.5;
    double chartMm = 66;
    double gapMm = 4;
    double captionMm = 22;
    double rowMm = 4.8;

    Sizes ScaledBy(double factor) const {
        return {title * factor, birth * factor,      section * factor,
                text * factor,  gridPoints * factor, chartMm * factor,
                gapMm * factor, captionMm,           rowMm * factor};
    }
};

constexpr double SMALLEST_SCALE = 0.6;
constexpr double SCALE_STEP = 0.05;

// Each birth's lines, its first naming the reading as A or B.
QStringList BirthLines(const Calculation& calculation, const QString& letter) {
    QStringList lines = ReadingHeaderLines(calculation);
    lines.front() = letter + QStringLiteral(": ") + lines.front();
    return lines;
}

QStringList MutualLines(const ChartComparison& comparison, std::string_view aName,
                        std::string_view bName) {
    QStringList lines{ToQString(MUTUAL_HEADING)};
    for (const MutualAspect& pair : comparison.mutual) {
        lines << ToQString(MutualAspectLine(pair, aName, bName));
    }
    if (comparison.mutual.empty()) {
        lines << QStringLiteral("none");
    }
    return lines;
}

// The captions of the columns: the nine bodies, then the Lagna when the
// aspected chart has one.
QStringList ColumnNames(const CrossSputa& cross) {
    QStringList names;
    for (const BodyNames& body : SlotNames) {
        names << ToQString(body.englishName);
    }
    if (cross.onLagna) {
        names << QStringLiteral("Lagna");
    }
    return names;
}

double VirupasAt(const CrossSputa& cross, int planet, int column) {
    return column < BODY_COUNT ? cross.onBodies[planet][column] : (*cross.onLagna)[planet];
}

// The grid from the top of `area`; gives its bottom.
double LayOutCrossGrid(const PageMeasure& measure, const Sizes& sizes, const QRectF& area,
                       const QString& caption, const CrossSputa& cross, CrossGridLayout& grid) {
    const double mm = measure.millimetre;
    const TextColumn title = LayOutHeading(measure, area, {caption}, sizes.section, 0);
    grid.caption = title.texts.front();
    grid.cellBorder = CELL_BORDER_MM * mm;
    const QStringList columns = ColumnNames(cross);
    const double row = sizes.rowMm * mm;
    const double captionWidth = sizes.captionMm * mm;
    const double cell = (area.width() - captionWidth) / static_cast<double>(columns.size());
    double top = title.bottom;
    for (qsizetype column = 0; column < columns.size(); ++column) {
        grid.columnCaptions.push_back(
            {QRectF(area.left() + captionWidth + column * cell, top, cell, row), columns[column],
             measure.FontOf(sizes.gridPoints, true), Qt::AlignHCenter | Qt::AlignBottom});
    }
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        top += row;
        grid.rowCaptions.push_back(
            {QRectF(area.left(), top, captionWidth, row), ToQString(SlotNames[planet].englishName),
             measure.FontOf(sizes.gridPoints, true), Qt::AlignLeft | Qt::AlignVCenter});
        for (qsizetype column = 0; column < columns.size(); ++column) {
            const double virupas = VirupasAt(cross, planet, static_cast<int>(column));
            grid.cells.push_back(LayOutSputaCell(
                measure, QRectF(area.left() + captionWidth + column * cell, top, cell, row),
                ToQString(VirupasText(virupas)), virupas, CELL_POINTS));
        }
    }
    return top + row + sizes.gapMm * mm;
}

// One direction's Graha Drishti across: its heading, then a sentence a
// body; gives the bottom.
double LayOutGrahaColumn(const PageMeasure& measure, const Sizes& sizes, const QRectF& area,
                         const std::array<GrahaAcross, GRAHA_ROWS>& rows, const Sky& from,
                         std::string_view fromName, std::string_view ontoName,
                         std::vector<PageText>& texts) {
    QStringList lines{
        QStringLiteral("Graha Drishti of %1 on %2").arg(ToQString(fromName), ToQString(ontoName))};
    for (int body = 0; body < GRAHA_ROWS; ++body) {
        lines << ToQString(GrahaAcrossSentence(body, rows[body], from, fromName, ontoName));
    }
    TextColumn column = LayOutHeading(measure, area, lines, sizes.section, sizes.text);
    texts = std::move(column.texts);
    return column.bottom;
}

void PaintTexts(QPainter& painter, const std::vector<PageText>& texts) {
    for (const PageText& text : texts) {
        PaintPageText(painter, text);
    }
}

void PaintCrossGrid(QPainter& painter, const CrossGridLayout& grid) {
    PaintPageText(painter, grid.caption);
    PaintTexts(painter, grid.columnCaptions);
    PaintTexts(painter, grid.rowCaptions);
    for (const SputaCell& cell : grid.cells) {
        PaintSputaCell(painter, cell, grid.cellBorder);
    }
}

// The page at `sizes`.
PairPageLayout LayOutPairPageIn(const PageMeasure& measure, const Sizes& sizes,
                                const Calculation& a, const Calculation& b,
                                const ChartComparison& comparison, ChartStyle style,
                                const QRectF& page) {
    const double gap = sizes.gapMm * measure.millimetre;
    const double half = (page.width() - gap) / 2;
    const std::string_view aName = ChartName(a.record.name, "A");
    const std::string_view bName = ChartName(b.record.name, "B");
    PairPageLayout layout;

    const TextColumn title = LayOutHeading(
        measure, page, {ToQString(ComparisonTitle(aName, bName, comparison.sameBirth))},
        sizes.title, 0);
    layout.title = title.texts.front();
    double top = title.bottom + gap / 2;
    double bottom = top;
    for (std::size_t side = 0; side < 2; ++side) {
        const QRectF area(page.left() + static_cast<double>(side) * (half + gap), top, half, 0);
        TextColumn birth =
            LayOutHeading(measure, area, BirthLines(side == 0 ? a : b, side == 0 ? "A" : "B"),
                          sizes.birth, sizes.birth);
        layout.births[side] = std::move(birth.texts);
        bottom = std::max(bottom, birth.bottom);
    }
    top = bottom + gap;

    const double side = std::min(sizes.chartMm * measure.millimetre, half);
    layout.chartBox = QRectF(page.left(), top, side, side);
    layout.chart = LayOutChart(DoubleChartContent(a, b), style, std::nullopt, side);
    const QRectF besideArea(page.left() + side + gap, top, page.width() - side - gap, 0);
    TextColumn caption = LayOutHeading(
        measure, besideArea, {ToQString(DoubleChartCaption(aName, bName))}, sizes.text, 0);
    caption.texts.front().font = measure.FontOf(sizes.text);
    TextColumn mutual =
        LayOutHeading(measure, besideArea.translated(0, caption.bottom - top + gap),
                      MutualLines(comparison, aName, bName), sizes.section, sizes.text);
    layout.beside = std::move(caption.texts);
    layout.beside.insert(layout.beside.end(), mutual.texts.begin(), mutual.texts.end());
    top = std::max(top + side, mutual.bottom) + gap;

    const QRectF across(page.left(), 0, page.width(), 0);
    top = LayOutCrossGrid(measure, sizes, across.translated(0, top),
                          ToQString(CrossSputaCaption(aName, bName)), comparison.aOnB,
                          layout.grids[0]);
    top = LayOutCrossGrid(measure, sizes, across.translated(0, top),
                          ToQString(CrossSputaCaption(bName, aName)), comparison.bOnA,
                          layout.grids[1]);
    const double left =
        LayOutGrahaColumn(measure, sizes, QRectF(page.left(), top, half, 0), comparison.grahaAOnB,
                          a.sky, aName, bName, layout.graha[0]);
    const double right =
        LayOutGrahaColumn(measure, sizes, QRectF(page.left() + half + gap, top, half, 0),
                          comparison.grahaBOnA, b.sky, bName, aName, layout.graha[1]);
    layout.bottom = std::max(left, right);
    return layout;
}

}  // namespace

PairPageLayout LayOutPairPage(const Calculation& a, const Calculation& b,
                              const ChartComparison& comparison, ChartStyle style,
                              const QRectF& page, const QPaintDevice& device, const QFont& font) {
    const PageMeasure measure = MeasureOf(device, font);
    PairPageLayout layout;
    for (double scale = 1; scale >= SMALLEST_SCALE; scale -= SCALE_STEP) {
        layout = LayOutPairPageIn(measure, Sizes().ScaledBy(scale), a, b, comparison, style, page);
        if (layout.bottom <= page.bottom()) {
            break;
        }
    }
    return layout;
}

void PaintPairPage(QPainter& painter, const PairPageLayout& layout) {
    PaintPageText(painter, layout.title);
    for (const std::vector<PageText>& birth : layout.births) {
        PaintTexts(painter, birth);
    }
    painter.save();
    painter.translate(layout.chartBox.topLeft());
    PaintChart(painter, layout.chart);
    painter.restore();
    PaintTexts(painter, layout.beside);
    for (const CrossGridLayout& grid : layout.grids) {
        PaintCrossGrid(painter, grid);
    }
    for (const std::vector<PageText>& column : layout.graha) {
        PaintTexts(painter, column);
    }
}

}  // namespace sarovin
