#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

#include "document/chart_palette.h"
#include "drishti/drishti_row.h"

class QPaintDevice;
class QPainter;

namespace sarovin {

// What laying out a page needs to know of its device: where text is
// measured, the length of a millimetre in device units and the font the
// page is set in.
struct PageMeasure {
    const QPaintDevice* device;
    double millimetre;
    QFont font;

    QFont FontOf(double points, bool bold = false) const;
};

// One text of a page: the box it is drawn in, its font, its alignment and
// wrapping (Qt::AlignmentFlag and Qt::TextFlag) and its ink.
struct PageText {
    QRectF box;
    QString text;
    QFont font;
    int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    QColor ink = chart_colours::INK;
};

// The measure of pages of `device`, set in `font`.
PageMeasure MeasureOf(const QPaintDevice& device, const QFont& font);

// The type sizes of a reading's pages, in points: the name over a page,
// the birth lines under it, the sections' titles and the text.
inline constexpr double PAGE_TITLE_POINTS = 15;
inline constexpr double PAGE_HEADER_POINTS = 10;
inline constexpr double PAGE_SECTION_POINTS = 12;
inline constexpr double PAGE_TEXT_POINTS = 10;

// Texts laid out one under the other, and the bottom of the last with the
// gap that follows it.
struct TextColumn {
    std::vector<PageText> texts;
    double bottom = 0;
};

// `lines` one under the other from the top of `area`, wrapped to its
// width, the first in bold at `firstPoints`, the others at `otherPoints`.
TextColumn LayOutHeading(const PageMeasure& measure, const QRectF& area, const QStringList& lines,
                         double firstPoints, double otherPoints);

// A Drishti row as a paragraph: the body and its position in bold, then
// its two sentences.
struct DrishtiRowText {
    PageText heading;
    PageText sentences;
};

struct DrishtiRowColumn {
    std::vector<DrishtiRowText> rows;
    double bottom = 0;
};

// The rows one under the other from the top of `area`, wrapped to its
// width.
DrishtiRowColumn LayOutDrishtiRows(const PageMeasure& measure, const QRectF& area,
                                   std::span<const DrishtiRow> rows);

// Draws a text as laid out.
void PaintPageText(QPainter& painter, const PageText& text);

}  // namespace sarovin
