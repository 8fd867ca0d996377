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

constexpr double MILLIMETRES_PER_INCH = 25.4;
constexpr double TITLE_POINTS = 15;
constexpr double HEADER_POINTS = 9;
constexpr double SECTION_POINTS = 10.5;
constexpr double TABLE_POINTS = 9;
constexpr double ROW_MM = 5.5;
constexpr double GAP_MM = 5;
constexpr double CELL_BORDER_MM = 0.3;
// Fixed widths of the columns in millimetres; the two lists of bodies share
// what is left.
constexpr std::array<double, HOUSE_COLUMNS> FIXED_MM = {11, 17, 19, 19, 19, 0, 0, 23, 16};
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

PageText FittedCell(const PageMeasure& measure, const QRectF& box, const QString& text,
                    const QFont& font, int flags) {
    return {box, text, FitText(measure.device, box, text, font, flags).font, flags};
}

}  // namespace

HousesPageLayout LayOutHousesPage(const Calculation& calculation, const Houses& houses,
                                  const QRectF& page, const QPaintDevice& device,
                                  const QFont& font) {
    const PageMeasure measure{&device, device.logicalDpiY() / MILLIMETRES_PER_INCH, font};
    const double mm = measure.millimetre;
    HousesPageLayout layout;
    const TextColumn header =
        LayOutHeading(measure, page, ReadingHeaderLines(calculation), TITLE_POINTS, HEADER_POINTS);
    layout.title = header.texts.front();
    layout.headerLines.assign(header.texts.begin() + 1, header.texts.end());
    const TextColumn heading =
        LayOutHeading(measure, QRectF(page.left(), header.bottom + GAP_MM * mm, page.width(), 0),
                      {ToQString(HousesHeading(houses.system))}, SECTION_POINTS, SECTION_POINTS);
    layout.heading = heading.texts.front();
    layout.cellBorder = CELL_BORDER_MM * mm;
    const double row = ROW_MM * mm;
    double top = heading.bottom;
    const auto headings = ColumnBoxes(mm, page, top, row);
    for (int column = 0; column < HOUSE_COLUMNS; ++column) {
        layout.cells.push_back(
            FittedCell(measure, headings[column], ToQString(HOUSE_HEADINGS[column]),
                       measure.FontOf(TABLE_POINTS, true), Qt::AlignLeft | Qt::AlignBottom));
    }
    for (const HouseRow& house : houses.list) {
        top += row;
        const auto boxes = ColumnBoxes(mm, page, top, row);
        const HouseCells cells = MakeHouseCells(house);
        for (int column = 0; column < DigBalaColumn; ++column) {
            layout.cells.push_back(FittedCell(measure, boxes[column], ToQString(cells[column]),
                                              measure.FontOf(TABLE_POINTS),
                                              Qt::AlignLeft | Qt::AlignVCenter));
        }
        const Rgb tint = StrengthTint(
            std::clamp(static_cast<int>(std::lround(house.digBala)), 0, STRONGEST_SPUTA));
        layout.digBala.push_back({boxes[DigBalaColumn], ToQString(cells[DigBalaColumn]),
                                  measure.FontOf(TABLE_POINTS), Qt::AlignCenter,
                                  ToQColor(InkOn(tint))});
        layout.digBalaTints.push_back(tint);
    }
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
}

}  // namespace sarovin
