#include "document/reading_document_houses.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "chart/strength_tint.h"
#include "document/chart_palette.h"
#include "document/print_text.h"
#include "houses/house_texts.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

constexpr double TABLE_POINTS = 7.5;
constexpr double ROW_MM = 4.2;
// Fixed widths of the columns in millimetres; the two lists of bodies share
// what is left.
constexpr std::array<double, HOUSE_COLUMNS> FIXED_MM = {11, 17, 16, 16, 16, 0, 0, 21, 14};
constexpr int LIST_COLUMNS = 2;

std::array<double, HOUSE_COLUMNS> ColumnLefts(const PageSetting& page, const QRectF& area,
                                              double& listWidth) {
    double fixed = 0;
    for (const double width : FIXED_MM) {
        fixed += width * page.millimetre;
    }
    listWidth = (area.width() - fixed) / LIST_COLUMNS;
    std::array<double, HOUSE_COLUMNS> lefts{};
    double left = area.left();
    for (int column = 0; column < HOUSE_COLUMNS; ++column) {
        lefts[column] = left;
        left += FIXED_MM[column] > 0 ? FIXED_MM[column] * page.millimetre : listWidth;
    }
    return lefts;
}

void PaintDigBala(const PageSetting& page, const QRectF& cell, double virupas,
                  const QString& text) {
    const Rgb tint =
        StrengthTint(std::clamp(static_cast<int>(std::lround(virupas)), 0, STRONGEST_SPUTA));
    page.painter.setPen(QPen(chart_colours::PAPER, 0.3 * page.millimetre));
    page.painter.setBrush(ToQColor(tint));
    page.painter.drawRect(cell);
    page.painter.setPen(ToQColor(InkOn(tint)));
    page.painter.setFont(page.FontOf(TABLE_POINTS));
    page.painter.drawText(cell, Qt::AlignCenter, text);
}

}  // namespace

double PaintHousesTable(const PageSetting& page, const QRectF& area, const Houses& houses) {
    double listWidth = 0;
    const std::array<double, HOUSE_COLUMNS> lefts = ColumnLefts(page, area, listWidth);
    const auto width = [&](int column) {
        return FIXED_MM[column] > 0 ? FIXED_MM[column] * page.millimetre : listWidth;
    };
    const double row = ROW_MM * page.millimetre;
    double top = area.top();
    page.painter.setPen(chart_colours::INK);
    for (int column = 0; column < HOUSE_COLUMNS; ++column) {
        DrawFittedText(page.painter, QRectF(lefts[column], top, width(column), row),
                       ToQString(HOUSE_HEADINGS[column]), page.FontOf(TABLE_POINTS, true),
                       Qt::AlignLeft | Qt::AlignBottom);
    }
    for (const HouseRow& house : houses.list) {
        top += row;
        const HouseCells cells = MakeHouseCells(house);
        for (int column = 0; column < DigBalaColumn; ++column) {
            page.painter.setPen(chart_colours::INK);
            DrawFittedText(page.painter, QRectF(lefts[column], top, width(column), row),
                           ToQString(cells[column]), page.FontOf(TABLE_POINTS),
                           Qt::AlignLeft | Qt::AlignVCenter);
        }
        PaintDigBala(page, QRectF(lefts[DigBalaColumn], top, width(DigBalaColumn), row),
                     house.digBala, ToQString(cells[DigBalaColumn]));
    }
    return top + row;
}

}  // namespace sarovin
