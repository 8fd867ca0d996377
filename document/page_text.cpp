#include "document/page_text.h"

#include <QPaintDevice>
#include <QPainter>

#include "document/print_text.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

constexpr double MILLIMETRES_PER_INCH = 25.4;
constexpr double ROW_GAP_MM = 1.2;
constexpr double LINE_GAP_MM = 0.6;

// `text` wrapped to the width of `area` from `top`.
PageText Wrapped(const PageMeasure& measure, const QRectF& area, double top, const QString& text,
                 const QFont& font) {
    const double height = WrappedHeight(measure.device, area.width(), text, font);
    return {QRectF(area.left(), top, area.width(), height), text, font};
}

}  // namespace

PageMeasure MeasureOf(const QPaintDevice& device, const QFont& font) {
    return {&device, device.logicalDpiY() / MILLIMETRES_PER_INCH, font};
}

QFont PageMeasure::FontOf(double points, bool bold) const {
    QFont sized = font;
    sized.setPointSizeF(points);
    sized.setBold(bold);
    return sized;
}

TextColumn LayOutHeading(const PageMeasure& measure, const QRectF& area, const QStringList& lines,
                         double firstPoints, double otherPoints) {
    TextColumn column;
    column.bottom = area.top();
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const bool first = index == 0;
        column.texts.push_back(Wrapped(measure, area, column.bottom, lines[index],
                                       measure.FontOf(first ? firstPoints : otherPoints, first)));
        column.bottom = column.texts.back().box.bottom() + LINE_GAP_MM * measure.millimetre;
    }
    return column;
}

DrishtiRowColumn LayOutDrishtiRows(const PageMeasure& measure, const QRectF& area,
                                   std::span<const DrishtiRow> rows) {
    DrishtiRowColumn column;
    column.bottom = area.top();
    for (const DrishtiRow& row : rows) {
        DrishtiRowText text;
        text.heading = Wrapped(measure, area, column.bottom,
                               ToQString(row.bodyCaption + "   " + row.positionCaption),
                               measure.FontOf(PAGE_TEXT_POINTS, true));
        text.sentences = Wrapped(measure, area, text.heading.box.bottom(),
                                 ToQString(row.aspectCaption + " " + row.planetsCaption),
                                 measure.FontOf(PAGE_TEXT_POINTS));
        column.bottom = text.sentences.box.bottom() + ROW_GAP_MM * measure.millimetre;
        column.rows.push_back(std::move(text));
    }
    return column;
}

void PaintPageText(QPainter& painter, const PageText& text) {
    painter.setPen(text.ink);
    painter.setFont(text.font);
    painter.drawText(text.box, text.flags, text.text);
}

}  // namespace sarovin
