#include "document/houses_page_layout.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "document/print_text.h"
#include "document/reading_page_layout.h"
#include "houses/house_texts.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

// The height of a row of one line; a row whose lists of bodies wrap is as
// tall as its longest list.
constexpr double ROW_MM = 6.5;
// Between a cell's edges and its text.
constexpr double PADDING_MM = 1;
constexpr double GAP_MM = 5;
constexpr double CELL_BORDER_MM = 0.3;
// Fixed widths of the columns in millimetres; the two lists of bodies share
// what is left.
constexpr std::array<double, HOUSE_COLUMNS> FIXED_MM = {15, 20, 22, 22, 22, 0, 0, 20, 17};
constexpr int LIST_COLUMNS = 2;

// The left edge and width of every column across `area`.
std::array<QRectF, HOUSE_COLUMNS> ColumnBoxes(double millimetre, const QRectF& area, double top,
                                              double row) {
    double fixed = 0;
    for (const double width : FIXED_MM) {
        fixed += width * millimetre;
    }
    const double listWidth = (area.width() - fixed) / LIST_COLUMNS;
    std::array<QRectF, HOUSE_COLUMNS> boxes;
    double left = area.left();
    for (int column = 0; column < HOUSE_COLUMNS; ++column) {
        const double width = FIXED_MM[column] > 0 ? FIXED_MM[column] * millimetre : listWidth;
        boxes[column] = QRectF(left, top, width, row);
        left += width;
    }
    return boxes;
}

// A row of the table from `top`: as tall as its most wrapped text, each
// text inside its cell's padding and made smaller only when one word is
// wider than its column. Gives the cells' boxes.
std::array<QRectF, HOUSE_COLUMNS> LayOutRow(const PageMeasure& measure, const QRectF& page,
                                            double top, const QStringList& texts, const QFont& font,
                                            int flags, std::vector<PageText>& cells) {
    const double padding = PADDING_MM * measure.millimetre;
    double height = ROW_MM * measure.millimetre;
    const auto columns = ColumnBoxes(measure.millimetre, page, top, 0);
    for (qsizetype column = 0; column < texts.size(); ++column) {
        const double width = columns[static_cast<std::size_t>(column)].width() - 2 * padding;
        height = std::max(height,
                          WrappedHeight(measure.device, width, texts[column], font) + 2 * padding);
    }
    const auto boxes = ColumnBoxes(measure.millimetre, page, top, height);
    for (qsizetype column = 0; column < texts.size(); ++column) {
        const QRectF inside =
            boxes[static_cast<std::size_t>(column)].adjusted(padding, 0, -padding, 0);
        cells.push_back({inside, texts[column],
                         FitText(measure.device, inside, texts[column], font, flags).font, flags});
    }
    return boxes;
}

}  // namespace

HousesPageLayout LayOutHousesPage(const Calculation& calculation, const Houses& houses,
                                  const QRectF& page, const QPaintDevice& device, const QFont& font,
                                  const QDate& printed, PageNumber number) {
    const PageMeasure measure = MeasureOf(device, font);
    const double mm = measure.millimetre;
    HousesPageLayout layout;
    const TextColumn header = LayOutHeading(measure, page, ReadingHeaderLines(calculation),
                                            PAGE_TITLE_POINTS, PAGE_HEADER_POINTS);
    layout.title = header.texts.front();
    layout.headerLines.assign(header.texts.begin() + 1, header.texts.end());
    const TextColumn heading = LayOutHeading(
        measure, QRectF(page.left(), header.bottom + GAP_MM * mm, page.width(), 0),
        {ToQString(HousesHeading(houses.system))}, PAGE_SECTION_POINTS, PAGE_SECTION_POINTS);
    layout.heading = heading.texts.front();
    layout.cellBorder = CELL_BORDER_MM * mm;
    QStringList headings;
    for (const std::string_view text : HOUSE_HEADINGS) {
        headings << ToQString(text);
    }
    double top =
        LayOutRow(measure, page, heading.bottom, headings, measure.FontOf(PAGE_TEXT_POINTS, true),
                  Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, layout.cells)
            .front()
            .bottom();
    for (const HouseRow& house : houses.list) {
        const HouseCells cells = MakeHouseCells(house);
        QStringList texts;
        for (int column = 0; column < DigBalaColumn; ++column) {
            texts << ToQString(cells[column]);
        }
        const auto boxes =
            LayOutRow(measure, page, top, texts, measure.FontOf(PAGE_TEXT_POINTS),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, layout.cells);
        const StrengthLook look = LookOfStrength(house.digBala.virupas);
        layout.digBala.push_back({boxes[DigBalaColumn], ToQString(cells[DigBalaColumn]),
                                  measure.FontOf(PAGE_TEXT_POINTS), Qt::AlignCenter,
                                  ToQColor(look.ink)});
        layout.digBalaTints.push_back(look.tint);
        top = boxes.front().bottom();
    }
    layout.footer = LayOutPageFooter(measure, page, printed, number);
    return layout;
}

void PaintHousesPage(QPainter& painter, const HousesPageLayout& layout) {
    PaintPageText(painter, layout.title);
    for (const PageText& line : layout.headerLines) {
        PaintPageText(painter, line);
    }
    PaintPageText(painter, layout.heading);
    for (const PageText& cell : layout.cells) {
        PaintPageText(painter, cell);
    }
    for (std::size_t index = 0; index < layout.digBala.size(); ++index) {
        painter.setPen(QPen(chart_colours::PAPER, layout.cellBorder));
        painter.setBrush(ToQColor(layout.digBalaTints[index]));
        painter.drawRect(layout.digBala[index].box);
        PaintPageText(painter, layout.digBala[index]);
    }
    PaintPageFooter(painter, layout.footer);
}

}  // namespace sarovin
