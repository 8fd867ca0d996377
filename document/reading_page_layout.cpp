#include "document/reading_page_layout.h"

#include <QPaintDevice>
#include <algorithm>
#include <functional>

#include "calculation/calculation.h"
#include "calculation/sky_texts.h"
#include "chart/chart_content.h"
#include "form/birth_summary.h"
#include "platform/qt_text.h"
#include "text/angle_text.h"
#include "vargas/varga_chart.h"

namespace sarovin {

namespace {

// The chart's marks are 3.5% of its side: at 72 mm they are 7 pt on paper.
constexpr double CHART_MM = 72;
constexpr double GAP_MM = 5;

}  // namespace

QString ReadingTitle(const Calculation& calculation) {
    const std::string& name = calculation.record.name;
    return name.empty() ? QStringLiteral("Vedic chart") : ToQString(name);
}

QStringList ReadingHeaderLines(const Calculation& calculation) {
    const BirthRecord& record = calculation.record;
    const std::string place = BirthPlaceText(record);
    QStringList lines = {
        ReadingTitle(calculation),
        ToQString(BirthMomentText(record) + ", " +
                  OffsetUsedText(record, calculation.zonePosition)),
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

int ReadingPageCount(int readingPages, const Calculation& calculation) {
    return readingPages + (calculation.houses ? 1 : 0) +
           (calculation.houses && calculation.strengths ? 1 : 0);
}

namespace {

// A section's title; gives the top of what follows it.
double LayOutSectionTitle(const PageMeasure& measure, const QRectF& area, const QString& title,
                          PageText& text) {
    const TextColumn heading =
        LayOutHeading(measure, area, {title}, PAGE_SECTION_POINTS, PAGE_SECTION_POINTS);
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

DrishtiSectionLayout LayOutDrishtiSection(const PageMeasure& measure, const QRectF& area,
                                          const QString& title, std::span<const DrishtiRow> rows) {
    DrishtiSectionLayout section;
    const double top = LayOutSectionTitle(measure, area, title, section.title);
    section.bottom =
        LayOutRowColumns(measure, QRectF(area.left(), top, area.width(), 0), rows, section.rows);
    return section;
}

ChartPairLayout LayOutChartPair(const PageMeasure& measure, const QRectF& area,
                                const Calculation& calculation, ChartStyle style) {
    const double gap = GAP_MM * measure.millimetre;
    const double side = std::min(CHART_MM * measure.millimetre, (area.width() - gap) / 2);
    ChartPairLayout charts;
    charts.chartBox = QRectF(area.left(), area.top(), side, side);
    charts.chart = LayOutChart(ChartContentOf(calculation), style, std::nullopt, side);
    charts.navamsaBox = QRectF(area.left() + side + gap, area.top(), side, side);
    if (const VargaChart* navamsa = FindVarga(calculation, NAVAMSA)) {
        charts.navamsa = LayOutChart(VargaChartContentOf(calculation, *navamsa, NAVAMSA), style,
                                     std::nullopt, side);
    }
    charts.bottom = charts.chartBox.bottom();
    return charts;
}

SputaSectionLayout LayOutSputaSection(const PageMeasure& measure, const QRectF& area,
                                      const DrishtiReport& report) {
    SputaSectionLayout section;
    const double top =
        LayOutSectionTitle(measure, area, QStringLiteral("Sputa Drishti"), section.title);
    section.grid = LayOutSputaGrid(measure, QRectF(area.left(), top, area.width(), 0), report);
    section.bottom = section.grid.bottom;
    return section;
}

// Places sections one under another on the pages of a reading: a section
// that would reach into the footer goes to the top of a new page, under
// the name, unless the page holds nothing else yet; only the Drishti rows
// are split, between rows, when taller than a page (a small paper).
class PageFlow {
  public:
    PageFlow(const PageMeasure& measure, const QRectF& page, const QString& name)
        : measure_(measure),
          page_(page),
          name_(name),
          bottom_(page.bottom() - FooterHeight(measure)),
          gap_(GAP_MM * measure.millimetre) {}

    // Opens the first page with the birth lines.
    void OpenFirstPage(const QStringList& headerLines) {
        const TextColumn header =
            LayOutHeading(measure_, page_, headerLines, PAGE_TITLE_POINTS, PAGE_HEADER_POINTS);
        ReadingPageLayout& first = pages_.emplace_back();
        first.title = header.texts.front();
        first.headerLines.assign(header.texts.begin() + 1, header.texts.end());
        top_ = header.bottom + gap_;
        emptyTop_ = top_;
    }

    // Lays out a section with `layOut(area)` into `slot` of the page it
    // fits on.
    template <typename Section>
    void Place(std::optional<Section> ReadingPageLayout::*slot,
               const std::function<Section(const QRectF&)>& layOut) {
        Section section = layOut(Area());
        if (section.bottom > bottom_ && top_ > emptyTop_) {
            OpenNextPage();
            section = layOut(Area());
        }
        top_ = section.bottom + gap_;
        pages_.back().*slot = std::move(section);
    }

    // Lays out Drishti rows under `title` into `slot` of the page they fit
    // on whole; rows taller than a page are split between rows, as many as
    // fit on each page, under the title followed by ", continued".
    void PlaceRows(std::optional<DrishtiSectionLayout> ReadingPageLayout::*slot,
                   const QString& title, std::span<const DrishtiRow> rows) {
        QString heading = title;
        while (!rows.empty()) {
            std::size_t count = RowsThatFit(heading, rows);
            if (count < rows.size() && top_ > emptyTop_) {
                OpenNextPage();
                count = RowsThatFit(heading, rows);
            }
            count = std::max<std::size_t>(count, 1);
            DrishtiSectionLayout section =
                LayOutDrishtiSection(measure_, Area(), heading, rows.first(count));
            top_ = section.bottom + gap_;
            pages_.back().*slot = std::move(section);
            rows = rows.subspan(count);
            heading = title + QStringLiteral(", continued");
            if (!rows.empty()) {
                OpenNextPage();
            }
        }
    }

    // The pages with their footers.
    std::vector<ReadingPageLayout> Finish(const Calculation& calculation, const QDate& printed) {
        const int count = ReadingPageCount(static_cast<int>(pages_.size()), calculation);
        for (std::size_t index = 0; index < pages_.size(); ++index) {
            pages_[index].footer =
                LayOutPageFooter(measure_, page_, printed, {static_cast<int>(index) + 1, count});
        }
        return std::move(pages_);
    }

  private:
    QRectF Area() const { return QRectF(page_.left(), top_, page_.width(), 0); }

    // How many of `rows`, from the first, fit above the footer from here.
    std::size_t RowsThatFit(const QString& heading, std::span<const DrishtiRow> rows) const {
        std::size_t count = rows.size();
        while (count > 0 &&
               LayOutDrishtiSection(measure_, Area(), heading, rows.first(count)).bottom >
                   bottom_) {
            --count;
        }
        return count;
    }

    void OpenNextPage() {
        ReadingPageLayout& next = pages_.emplace_back();
        const double top =
            LayOutSectionTitle(measure_, page_, name_ + QStringLiteral(", continued"), next.title);
        top_ = top + gap_;
        emptyTop_ = top_;
    }

    PageMeasure measure_;
    QRectF page_;
    QString name_;
    double bottom_;
    double gap_;
    double top_ = 0;
    double emptyTop_ = 0;
    std::vector<ReadingPageLayout> pages_;
};

}  // namespace

std::vector<ReadingPageLayout> LayOutReadingPages(const Calculation& calculation, ChartStyle style,
                                                  const QRectF& page, const QPaintDevice& device,
                                                  const QFont& font, const QDate& printed) {
    const PageMeasure measure = MeasureOf(device, font);
    const DrishtiReport& report = calculation.report;
    const QStringList header = ReadingHeaderLines(calculation);
    PageFlow flow(measure, page, header.front());
    flow.OpenFirstPage(header);
    flow.Place<ChartPairLayout>(&ReadingPageLayout::charts, [&](const QRectF& area) {
        return LayOutChartPair(measure, area, calculation, style);
    });
    flow.Place<BodyTableLayout>(&ReadingPageLayout::bodies, [&](const QRectF& area) {
        return LayOutBodyTable(measure, area, calculation, PAGE_SECTION_POINTS, PAGE_TEXT_POINTS);
    });
    flow.PlaceRows(&ReadingPageLayout::graha, QStringLiteral("Graha Drishti"), report.graha);
    flow.PlaceRows(&ReadingPageLayout::rashi, QStringLiteral("Rashi Drishti"), report.rashi);
    flow.Place<SputaSectionLayout>(&ReadingPageLayout::sputa, [&](const QRectF& area) {
        return LayOutSputaSection(measure, area, report);
    });
    std::vector<ReadingPageLayout> pages = flow.Finish(calculation, printed);
    for (ReadingPageLayout& each : pages) {
        each.chartStyle = style;
    }
    return pages;
}

}  // namespace sarovin
