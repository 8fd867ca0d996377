#pragma once

#include <QRectF>
#include <QStringList>
#include <vector>

#include "chart/chart_layout.h"
#include "document/page_text.h"
#include "document/sputa_grid_layout.h"

class QPaintDevice;

namespace sarovin {

struct Calculation;

// The page of one reading as plain values, in the device units of the page
// it was laid out for: what PaintReadingPage draws, and what tests read.
struct ReadingPageLayout {
    // The person's name, or "Vedic chart".
    PageText title;
    // The birth moment and zone, the place, the ephemeris, and the Lagna
    // when the ephemeris gives one.
    std::vector<PageText> headerLines;
    // The chart in the square `chartBox`, laid out at its side.
    QRectF chartBox;
    ChartStyle chartStyle = ChartStyle::SouthIndian;
    ChartLayout chart;
    // The Navamsa (D9) beside it, in the same style and size.
    QRectF navamsaBox;
    ChartLayout navamsa;
    // Under the charts, in two columns.
    PageText grahaTitle;
    std::vector<DrishtiRowText> grahaRows;
    // Under both, in two columns: the first five rows, then the rest.
    PageText rashiTitle;
    std::vector<DrishtiRowText> rashiRows;
    PageText sputaTitle;
    SputaGridLayout sputa;
};

// The name, the moment, the place and the ephemeris, and the Lagna when
// the ephemeris gives one: the lines that open a reading's pages.
QStringList ReadingHeaderLines(const Calculation& calculation);

// Lays out the page of `calculation` in `page` of `device`, with the chart
// in `style` and the texts in `font`.
ReadingPageLayout LayOutReadingPage(const Calculation& calculation, ChartStyle style,
                                    const QRectF& page, const QPaintDevice& device,
                                    const QFont& font);

}  // namespace sarovin
