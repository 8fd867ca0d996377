#include "document/page_footer.h"

#include <QFontMetricsF>

namespace sarovin {

namespace {

constexpr double GAP_MM = 3;

}  // namespace

QString ProgramAndVersion() {
    return QStringLiteral("Sarovin " SAROVIN_VERSION);
}

double FooterHeight(const PageMeasure& measure) {
    return QFontMetricsF(measure.FontOf(PAGE_TEXT_POINTS), measure.device).height() +
           GAP_MM * measure.millimetre;
}

PageFooter LayOutPageFooter(const PageMeasure& measure, const QRectF& page, const QDate& printed,
                            PageNumber number) {
    const QFont font = measure.FontOf(PAGE_TEXT_POINTS);
    const double height = QFontMetricsF(font, measure.device).height();
    const QRectF line(page.left(), page.bottom() - height, page.width(), height);
    // The C locale's month names, whatever the system's language.
    const QString date = printed.toString(QStringLiteral("d MMMM yyyy"));
    return {{PageText{line, ProgramAndVersion() + QStringLiteral(", printed ") + date, font,
                      Qt::AlignLeft | Qt::AlignBottom, chart_colours::QUIET_INK},
             PageText{line, QStringLiteral("Page %1 of %2").arg(number.number).arg(number.count),
                      font, Qt::AlignRight | Qt::AlignBottom, chart_colours::QUIET_INK}}};
}

void PaintPageFooter(QPainter& painter, const PageFooter& footer) {
    for (const PageText& text : footer.texts) {
        PaintPageText(painter, text);
    }
}

}  // namespace sarovin
