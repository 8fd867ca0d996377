#include "document/reading_document.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "calculation/sky_texts.h"
#include "chart/chart_content.h"
#include "document/chart_painter.h"
#include "document/reading_document_parts.h"
#include "document/reading_document_sputa.h"
#include "form/birth_summary.h"
#include "platform/qt_text.h"
#include "tables/zone_table.h"
#include "text/angle_text.h"

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

void PaintChartAt(QPainter& painter, QPointF corner, double side, const ChartContent& content,
                  ChartStyle style) {
    painter.save();
    painter.translate(corner);
    PaintChart(painter, LayOutChart(content, style, std::nullopt, side));
    painter.restore();
}

// The birth chart and, beside it, the Navamsa; gives their bottom.
double PaintCharts(const PageSetting& page, const QRectF& area, const DocumentReading& reading) {
    const Calculation& calculation = reading.calculation;
    const double gap = GAP_MM * page.millimetre;
    const double side = std::min(CHART_MM * page.millimetre, (area.width() - gap) / 2);
    PaintChartAt(page.painter, area.topLeft(), side, ChartContentOf(calculation), reading.style);
    const VargaChart navamsa =
        ComputeVargaChart(NAVAMSA, calculation.report.bodies, calculation.sky.lagna);
    PaintChartAt(page.painter, QPointF(area.left() + side + gap, area.top()), side,
                 VargaChartContentOf(calculation, navamsa, NAVAMSA), reading.style);
    return area.top() + side;
}

// The rows in two columns side by side, the left one a row longer when
// the count is odd; gives the bottom of the longer.
double PaintRowColumns(const PageSetting& page, const QRectF& area,
                       std::span<const DrishtiRow> rows) {
    const double gap = GAP_MM * page.millimetre;
    const double width = (area.width() - gap) / 2;
    const std::size_t leftRows = (rows.size() + 1) / 2;
    const double left =
        PaintDrishtiRows(page, QRectF(area.left(), area.top(), width, 0), rows.first(leftRows));
    const double right = PaintDrishtiRows(
        page, QRectF(area.left() + width + gap, area.top(), width, 0), rows.subspan(leftRows));
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

    top = PaintCharts(setting, QRectF(page.left(), top, page.width(), 0), reading) + GAP_MM * mm;
    top = PaintSectionTitle(setting, QRectF(page.left(), top, page.width(), 0), "Graha Drishti");
    top = PaintRowColumns(setting, QRectF(page.left(), top, page.width(), 0), report.graha) +
          GAP_MM * mm;

    top = PaintSectionTitle(setting, QRectF(page.left(), top, page.width(), 0), "Rashi Drishti");
    top = PaintRowColumns(setting, QRectF(page.left(), top, page.width(), 0), report.rashi) +
          GAP_MM * mm;

    top = PaintSectionTitle(setting, QRectF(page.left(), top, page.width(), 0), "Sputa Drishti");
    PaintSputaGrid(setting, QRectF(page.left(), top, page.width(), 0), report.sputa);
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
    PaintReadingPage(painter_, QRectF(0, 0, device_->width(), device_->height()), reading);
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
