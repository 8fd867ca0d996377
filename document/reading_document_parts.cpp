#include "document/reading_document_parts.h"

#include <QPainter>

#include "document/chart_palette.h"
#include "document/print_text.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

constexpr double ROW_POINTS = 7.5;
constexpr double ROW_GAP_MM = 1.2;
constexpr double LINE_GAP_MM = 0.6;

// Draws `text` wrapped to the width of `area` from `top`; gives its bottom.
double PaintWrapped(const PageSetting& page, const QRectF& area, double top, const QString& text,
                    const QFont& font) {
    const double height = WrappedHeight(page.painter, area.width(), text, font);
    page.painter.setFont(font);
    page.painter.drawText(QRectF(area.left(), top, area.width(), height),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return top + height;
}

}  // namespace

QFont PageSetting::FontOf(double points, bool bold) const {
    QFont sized = font;
    sized.setPointSizeF(points);
    sized.setBold(bold);
    return sized;
}

double PaintHeading(const PageSetting& page, const QRectF& area, const QStringList& lines,
                    double firstPoints, double otherPoints) {
    page.painter.setPen(chart_colours::INK);
    double top = area.top();
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const bool first = index == 0;
        top = PaintWrapped(page, area, top, lines[index],
                           page.FontOf(first ? firstPoints : otherPoints, first)) +
              LINE_GAP_MM * page.millimetre;
    }
    return top;
}

double PaintDrishtiRows(const PageSetting& page, const QRectF& area,
                        std::span<const DrishtiRow> rows) {
    page.painter.setPen(chart_colours::INK);
    double top = area.top();
    for (const DrishtiRow& row : rows) {
        top =
            PaintWrapped(page, area, top, ToQString(row.bodyCaption + "   " + row.positionCaption),
                         page.FontOf(ROW_POINTS, true));
        top = PaintWrapped(page, area, top, ToQString(row.aspectCaption + " " + row.planetsCaption),
                           page.FontOf(ROW_POINTS)) +
              ROW_GAP_MM * page.millimetre;
    }
    return top;
}

}  // namespace sarovin
