#pragma once

#include <QDate>
#include <QRectF>
#include <QStringList>
#include <optional>
#include <vector>

#include "chart/chart_layout.h"
#include "document/body_table_layout.h"
#include "document/page_footer.h"
#include "document/page_text.h"
#include "document/sputa_grid_layout.h"

class QPaintDevice;

namespace sarovin {

struct Calculation;

// The birth chart and the Navamsa (D9) beside it, in the same style and
// size, each in its square box.
struct ChartPairLayout {
    QRectF chartBox;
    ChartLayout chart;
    QRectF navamsaBox;
    ChartLayout navamsa;
    double bottom = 0;
};

// The Graha or the Rashi Drishti: the title, then the rows in two columns,
// the left one a row longer when the count is odd.
struct DrishtiSectionLayout {
    PageText title;
    std::vector<DrishtiRowText> rows;
    double bottom = 0;
};

struct SputaSectionLayout {
    PageText title;
    SputaGridLayout grid;
    double bottom = 0;
};

// One page of a reading as plain values, in the device units of the page
// it was laid out for: what PaintReadingPage draws, and what tests read.
// The sections follow one another in the order below; one that would reach
// into the footer starts the next page, so none is cut. Only on a paper too
// small for a whole Graha or Rashi section is it split, between rows.
struct ReadingPageLayout {
    // On the first page the person's name, or "Vedic chart", and the birth
    // lines under it; on the others the name with ", continued".
    PageText title;
    std::vector<PageText> headerLines;
    ChartStyle chartStyle = ChartStyle::SouthIndian;
    std::optional<ChartPairLayout> charts;
    std::optional<BodyTableLayout> bodies;
    std::optional<DrishtiSectionLayout> graha;
    std::optional<DrishtiSectionLayout> rashi;
    std::optional<SputaSectionLayout> sputa;
    PageFooter footer;
};

// The person's name, or "Vedic chart" for a reading without one: the
// title of its pages and of its PDF file.
QString ReadingTitle(const Calculation& calculation);

// The name, the moment with the offset from UTC and the zone it came from,
// the place and its coordinates, the ephemeris, and the Lagna when the
// ephemeris gives one: the lines that open a reading's pages.
QStringList ReadingHeaderLines(const Calculation& calculation);

// The pages a reading takes: those of LayOutReadingPages, the houses page
// when it has houses, and the strength page when it has the Shadbala too.
int ReadingPageCount(int readingPages, const Calculation& calculation);

// Lays out the pages of `calculation` in `page` of `device`, with the chart
// in `style`, the texts in `font` and `printed` in the footers.
std::vector<ReadingPageLayout> LayOutReadingPages(const Calculation& calculation, ChartStyle style,
                                                  const QRectF& page, const QPaintDevice& device,
                                                  const QFont& font, const QDate& printed);

}  // namespace sarovin
