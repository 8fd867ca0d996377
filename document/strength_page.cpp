#include "document/strength_page.h"

#include <QFontDatabase>
#include <QPainter>

#include "document/print_text.h"
#include "document/reading_page_layout.h"
#include "document/strength_bars.h"
#include "output/strengths_text.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

constexpr double GAP_MM = 4;
constexpr double BARS_MM = 40;

}  // namespace

void PaintStrengthPage(QPainter& painter, const Calculation& calculation,
                       const BirthStrengths& strengths, const QRectF& page,
                       const QPaintDevice& device, const QFont& font, const QDate& printed,
                       PageNumber number) {
    const PageMeasure measure = MeasureOf(device, font);
    const double mm = measure.millimetre;
    const TextColumn header = LayOutHeading(measure, page, ReadingHeaderLines(calculation),
                                            PAGE_TITLE_POINTS, PAGE_HEADER_POINTS);
    for (const PageText& line : header.texts) {
        PaintPageText(painter, line);
    }
    const TextColumn heading = LayOutHeading(
        measure, QRectF(page.left(), header.bottom + GAP_MM * mm, page.width(), 0),
        {QStringLiteral("Shadbala and Bhava Bala")}, PAGE_SECTION_POINTS, PAGE_SECTION_POINTS);
    PaintPageText(painter, heading.texts.front());
    const double footer = FooterHeight(measure);
    const QRectF bars(page.left(), page.bottom() - footer - BARS_MM * mm, page.width(),
                      BARS_MM * mm);
    const QRectF table(page.left(), heading.bottom, page.width(),
                       bars.top() - GAP_MM * mm - heading.bottom);
    // The day, the forks and any war as wrapped prose; the tables in a
    // fixed font, as large as the room left allows.
    const QString text = ToQString(StrengthsText(strengths));
    const qsizetype tables = text.indexOf(QStringLiteral("\nShadbala ")) + 1;
    const QString prose = text.left(tables).trimmed();
    const QFont proseFont = measure.FontOf(PAGE_TEXT_POINTS);
    const double proseHeight = WrappedHeight(&device, table.width(), prose, proseFont);
    painter.save();
    painter.setFont(proseFont);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(table.left(), table.top(), table.width(), proseHeight),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, prose);
    const QRectF rows = table.adjusted(0, proseHeight + GAP_MM * mm / 2, 0, 0);
    const QString rowsText = text.mid(tables);
    painter.setFont(FitText(&device, rows, rowsText,
                            FontOfHeight(QFontDatabase::systemFont(QFontDatabase::FixedFont),
                                         3.5 * mm, &device),
                            Qt::AlignLeft | Qt::AlignTop)
                        .font);
    painter.drawText(rows, Qt::AlignLeft | Qt::AlignTop, rowsText);
    painter.restore();
    PaintStrengthRatios(painter, strengths.shadbala, bars);
    PaintPageFooter(painter, LayOutPageFooter(measure, page, printed, number));
}

}  // namespace sarovin
