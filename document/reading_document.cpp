#include "document/reading_document.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "calculation/sky_texts.h"
#include "chart/chart_content.h"
#include "document/chart_painter.h"
#include "document/reading_document_houses.h"
#include "document/reading_document_parts.h"
#include "document/reading_document_sputa.h"
#include "form/birth_summary.h"
#include "houses/house_texts.h"
#include "platform/qt_text.h"
#include "tables/zone_table.h"
#include "text/angle_text.h"

namespace sarovin {

namespace {

constexpr double MILLIMETRES_PER_INCH = 25.4;
constexpr double TITLE_POINTS = 15;
constexpr double HEADER_POINTS = 9;
constexpr double SECTION_POINTS = 10.5;
constexpr double CHART_MM = 88;
constexpr double GAP_MM = 5;
constexpr int RASHI_LEFT_ROWS = 5;

// The name, the moment, the place and the ephemeris, and the Lagna when
// the ephemeris gives one.
QStringList HeaderLines(const Calculation& calculation) {
    const BirthRecord& record = calculation.record;
    const std::string place = BirthPlaceText(record);
    QStringList lines = {
        ToQString(record.name.empty() ? std::string("Vedic chart") : record.name),
        ToQString(BirthMomentText(record) + ", " +
                  std::string(ZoneLabelAt(calculation.zonePosition)) +
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

double PaintSectionTitle(const PageSetting& page, const QRectF& area, const char* title) {
    return PaintHeading(page, area, {QString::fromLatin1(title)}, SECTION_POINTS, SECTION_POINTS);
}

void PaintChartAt(QPainter& painter, QPointF corner, double side, const DocumentReading& reading) {
    painter.save();
    painter.translate(corner);
    PaintChart(painter,
               LayOutChart(ChartContentOf(reading.calculation), reading.style, std::nullopt, side));
    painter.restore();
}

// The Rashi rows in two columns side by side; gives the bottom of the
// longer.
double PaintRashiColumns(const PageSetting& page, const QRectF& area,
                         std::span<const DrishtiRow> rows) {
    const double gap = GAP_MM * page.millimetre;
    const double width = (area.width() - gap) / 2;
    const double left = PaintDrishtiRows(page, QRectF(area.left(), area.top(), width, 0),
                                         rows.first(RASHI_LEFT_ROWS));
    const double right =
        PaintDrishtiRows(page, QRectF(area.left() + width + gap, area.top(), width, 0),
                         rows.subspan(RASHI_LEFT_ROWS));
    return std::max(left, right);
}

}  // namespace

void PaintReadingPage(QPainter& painter, const QRectF& page, const DocumentReading& reading) {
    const PageSetting setting{painter, painter.device()->logicalDpiY() / MILLIMETRES_PER_INCH,
                              painter.font()};
    const double mm = setting.millimetre;
    const DrishtiReport& report = reading.calculation.report;
    double top =
        PaintHeading(setting, page, HeaderLines(reading.calculation), TITLE_POINTS, HEADER_POINTS) +
        GAP_MM * mm;

    const double chartSide = std::min(CHART_MM * mm, page.width() / 2);
    PaintChartAt(painter, QPointF(page.left(), top), chartSide, reading);
    const QRectF beside(page.left() + chartSide + GAP_MM * mm, top,
                        page.width() - chartSide - GAP_MM * mm, 0);
    const double grahaTop = PaintSectionTitle(setting, beside, "Graha Drishti");
    const double grahaBottom =
        PaintDrishtiRows(setting, QRectF(beside.left(), grahaTop, beside.width(), 0), report.graha);
    top = std::max(top + chartSide, grahaBottom) + GAP_MM * mm;

    top = PaintSectionTitle(setting, QRectF(page.left(), top, page.width(), 0), "Rashi Drishti");
    top = PaintRashiColumns(setting, QRectF(page.left(), top, page.width(), 0), report.rashi) +
          GAP_MM * mm;

    top = PaintSectionTitle(setting, QRectF(page.left(), top, page.width(), 0), "Sputa Drishti");
    PaintSputaGrid(setting, QRectF(page.left(), top, page.width(), 0), report.sputa);
}

void PaintHousesPage(QPainter& painter, const QRectF& page, const Calculation& calculation,
                     const Houses& houses) {
    const PageSetting setting{painter, painter.device()->logicalDpiY() / MILLIMETRES_PER_INCH,
                              painter.font()};
    const double top =
        PaintHeading(setting, page, HeaderLines(calculation), TITLE_POINTS, HEADER_POINTS) +
        GAP_MM * setting.millimetre;
    const double tableTop =
        PaintHeading(setting, QRectF(page.left(), top, page.width(), 0),
                     {ToQString(HousesHeading(houses.system))}, SECTION_POINTS, SECTION_POINTS);
    PaintHousesTable(setting, QRectF(page.left(), tableTop, page.width(), 0), houses);
}

bool ReadingPages::Begin(QPagedPaintDevice& device) {
    device_ = &device;
    return painter_.begin(&device);
}

bool ReadingPages::Add(const DocumentReading& reading) {
    if (pages_ > 0 && !device_->newPage()) {
        return false;
    }
    ++pages_;
    const QRectF page(0, 0, device_->width(), device_->height());
    PaintReadingPage(painter_, page, reading);
    if (const std::optional<Houses>& houses = reading.calculation.houses) {
        if (!device_->newPage()) {
            return false;
        }
        PaintHousesPage(painter_, page, reading.calculation, *houses);
    }
    return true;
}

bool ReadingPages::End() {
    return painter_.end();
}

bool WriteReadingDocument(QPagedPaintDevice& device, std::span<const DocumentReading> readings) {
    ReadingPages pages;
    if (!pages.Begin(device)) {
        return false;
    }
    const bool added =
        std::all_of(readings.begin(), readings.end(),
                    [&pages](const DocumentReading& reading) { return pages.Add(reading); });
    return pages.End() && added;
}

}  // namespace sarovin
