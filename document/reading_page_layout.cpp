#include "document/reading_page_layout.h"

#include <QPaintDevice>
#include <algorithm>

#include "calculation/calculation.h"
#include "calculation/sky_texts.h"
#include "chart/chart_content.h"
#include "form/birth_summary.h"
#include "platform/qt_text.h"
#include "text/angle_text.h"
#include "vargas/varga_chart.h"

namespace sarovin {

namespace {

constexpr double MILLIMETRES_PER_INCH = 25.4;
constexpr double TITLE_POINTS = 15;
constexpr double HEADER_POINTS = 9;
constexpr double SECTION_POINTS = 10.5;
constexpr double CHART_MM = 64;
constexpr double GAP_MM = 5;

// The name, the moment, the place and the ephemeris, and the Lagna when
// the ephemeris gives one.
}  // namespace

QStringList ReadingHeaderLines(const Calculation& calculation) {
    const BirthRecord& record = calculation.record;
    const std::string place = BirthPlaceText(record);
    QStringList lines = {
        ToQString(record.name.empty() ? std::string("Vedic chart") : record.name),
        ToQString(BirthMomentText(record) + ", " + ZoneUsedText(record, calculation.zonePosition) +
                  (record.daylightSaving ? ", daylight saving" : "")),
        ToQString(
            (place.empty() ? "" : place + ", ") +
            AngleText(record.longitudeDegrees, record.longitudeMinutes, record.isEast ? 'E' : 'W') +
            ", " +
            AngleText(record.latitudeDegrees, record.latitudeMinutes, record.isSouth ? 'S' : 'N')),
        ToQString(EphemerisLine(calculation.sky)),
    };
    if (const std::string lagna = LagnaLine(calculation.sky); !lagna.empty()) {
        lines << ToQString(lagna);
    }
    return lines;
}

namespace {

// A section's title; gives the top of what follows it.
double LayOutSectionTitle(const PageMeasure& measure, const QRectF& area, const char* title,
                          PageText& text) {
    const TextColumn heading =
        LayOutHeading(measure, area, {QString::fromLatin1(title)}, SECTION_POINTS, SECTION_POINTS);
    text = heading.texts.front();
    return heading.bottom;
}

// The rows in two columns side by side, the left one a row longer when
// the count is odd; gives the bottom of the longer.
double LayOutRowColumns(const PageMeasure& measure, const QRectF& area,
                        std::span<const DrishtiRow> rows, std::vector<DrishtiRowText>& texts) {
    const double gap = GAP_MM * measure.millimetre;
    const double width = (area.width() - gap) / 2;
    const std::size_t leftRows = (rows.size() + 1) / 2;
    DrishtiRowColumn left =
        LayOutDrishtiRows(measure, QRectF(area.left(), area.top(), width, 0), rows.first(leftRows));
    DrishtiRowColumn right = LayOutDrishtiRows(
        measure, QRectF(area.left() + width + gap, area.top(), width, 0), rows.subspan(leftRows));
    texts = std::move(left.rows);
    texts.insert(texts.end(), right.rows.begin(), right.rows.end());
    return std::max(left.bottom, right.bottom);
}

}  // namespace

ReadingPageLayout LayOutReadingPage(const Calculation& calculation, ChartStyle style,
                                    const QRectF& page, const QPaintDevice& device,
                                    const QFont& font) {
    const PageMeasure measure{&device, device.logicalDpiY() / MILLIMETRES_PER_INCH, font};
    const double gap = GAP_MM * measure.millimetre;
    const DrishtiReport& report = calculation.report;
    ReadingPageLayout layout;
    TextColumn header =
        LayOutHeading(measure, page, ReadingHeaderLines(calculation), TITLE_POINTS, HEADER_POINTS);
    layout.title = header.texts.front();
    layout.headerLines.assign(header.texts.begin() + 1, header.texts.end());
    double top = header.bottom + gap;

    const double chartSide = std::min(CHART_MM * measure.millimetre, (page.width() - gap) / 2);
    layout.chartBox = QRectF(page.left(), top, chartSide, chartSide);
    layout.chartStyle = style;
    layout.chart = LayOutChart(ChartContentOf(calculation), style, std::nullopt, chartSide);
    const VargaChart navamsa =
        ComputeVargaChart(NAVAMSA, calculation.sky.bodies, calculation.sky.lagna);
    layout.navamsaBox = QRectF(page.left() + chartSide + gap, top, chartSide, chartSide);
    layout.navamsa = LayOutChart(VargaChartContentOf(calculation, navamsa, NAVAMSA), style,
                                 std::nullopt, chartSide);
    top += chartSide + gap;

    top = LayOutSectionTitle(measure, QRectF(page.left(), top, page.width(), 0), "Graha Drishti",
                             layout.grahaTitle);
    top = LayOutRowColumns(measure, QRectF(page.left(), top, page.width(), 0), report.graha,
                           layout.grahaRows) +
          gap;

    top = LayOutSectionTitle(measure, QRectF(page.left(), top, page.width(), 0), "Rashi Drishti",
                             layout.rashiTitle);
    top = LayOutRowColumns(measure, QRectF(page.left(), top, page.width(), 0), report.rashi,
                           layout.rashiRows) +
          gap;

    top = LayOutSectionTitle(measure, QRectF(page.left(), top, page.width(), 0), "Sputa Drishti",
                             layout.sputaTitle);
    layout.sputa = LayOutSputaGrid(measure, QRectF(page.left(), top, page.width(), 0), report);
    return layout;
}

}  // namespace sarovin
