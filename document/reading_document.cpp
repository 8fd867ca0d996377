#include "document/reading_document.h"
#include "document/strength_page.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <string_view>

#include "comparison/comparison_texts.h"
#include "document/ashtakavarga_page.h"
#include "document/chart_painter.h"
#include "document/houses_page_layout.h"
#include "document/page_footer.h"
#include "document/pair_page_layout.h"

namespace sarovin {

namespace {

constexpr std::string_view NOT_PRINTED = "The reading could not be printed.";

void PaintRows(QPainter& painter, const std::vector<DrishtiRowText>& rows) {
    for (const DrishtiRowText& row : rows) {
        PaintPageText(painter, row.heading);
        PaintPageText(painter, row.sentences);
    }
}

void PaintChartIn(QPainter& painter, const QRectF& box, const ChartLayout& chart) {
    painter.save();
    painter.translate(box.topLeft());
    PaintChart(painter, chart);
    painter.restore();
}

void PaintDrishtiSection(QPainter& painter, const std::optional<DrishtiSectionLayout>& section) {
    if (section) {
        PaintPageText(painter, section->title);
        PaintRows(painter, section->rows);
    }
}

void PaintBodyTable(QPainter& painter, const BodyTableLayout& table) {
    PaintPageText(painter, table.title);
    for (const std::vector<PageText>& row : table.rows) {
        for (const PageText& text : row) {
            PaintPageText(painter, text);
        }
    }
}

}  // namespace

void PaintReadingPage(QPainter& painter, const ReadingPageLayout& layout) {
    PaintPageText(painter, layout.title);
    for (const PageText& line : layout.headerLines) {
        PaintPageText(painter, line);
    }
    if (layout.charts) {
        PaintChartIn(painter, layout.charts->chartBox, layout.charts->chart);
        PaintChartIn(painter, layout.charts->navamsaBox, layout.charts->navamsa);
    }
    if (layout.bodies) {
        PaintBodyTable(painter, *layout.bodies);
    }
    PaintDrishtiSection(painter, layout.graha);
    PaintDrishtiSection(painter, layout.rashi);
    if (layout.sputa) {
        PaintPageText(painter, layout.sputa->title);
        PaintSputaGrid(painter, layout.sputa->grid);
    }
    PaintPageFooter(painter, layout.footer);
}

std::string PairTitle(const DocumentPair& pair) {
    return std::string(ChartName(pair.a.record.name, "A")) + " and " +
           std::string(ChartName(pair.b.record.name, "B"));
}

bool ReadingPages::Begin(QPagedPaintDevice& device, const QDate& printed) {
    device_ = &device;
    printed_ = printed;
    return painter_.begin(&device);
}

bool ReadingPages::NextPage() {
    if (pages_ > 0 && !device_->newPage()) {
        return false;
    }
    ++pages_;
    return true;
}

bool ReadingPages::Add(const DocumentReading& reading) {
    const QRectF page(0, 0, device_->width(), device_->height());
    const std::vector<ReadingPageLayout> layouts = LayOutReadingPages(
        reading.calculation, reading.style, page, *device_, painter_.font(), printed_);
    for (const ReadingPageLayout& layout : layouts) {
        if (!NextPage()) {
            return false;
        }
        PaintReadingPage(painter_, layout);
    }
    if (const std::optional<Houses>& houses = reading.calculation.houses) {
        if (!NextPage()) {
            return false;
        }
        const int count = ReadingPageCount(static_cast<int>(layouts.size()), reading.calculation);
        const int strengthPages = reading.calculation.strengths ? 1 : 0;
        PaintHousesPage(
            painter_, LayOutHousesPage(reading.calculation, *houses, page, *device_,
                                       painter_.font(), printed_, {count - strengthPages, count}));
        if (const std::optional<BirthStrengths>& strengths = reading.calculation.strengths) {
            if (!NextPage()) {
                return false;
            }
            PaintStrengthPage(painter_, reading.calculation, *strengths, page, *device_,
                              painter_.font(), printed_, {count, count});
        }
    }
    if (reading.ashtakavarga && reading.calculation.ashtakavarga) {
        if (!NextPage()) {
            return false;
        }
        PaintAshtakavargaPage(painter_, reading.calculation.record.name,
                              *reading.calculation.ashtakavarga, page);
    }
    if (reading.transits != nullptr) {
        return device_->newPage() && PaintTransitPages(painter_, *device_, *reading.transits, page);
    }
    return true;
}

bool ReadingPages::AddPair(const DocumentPair& pair) {
    if (!NextPage()) {
        return false;
    }
    // The pair's page ends with the footer every page has, the page laid
    // out above it.
    const QRectF page(0, 0, device_->width(), device_->height());
    const PageMeasure measure = MeasureOf(*device_, painter_.font());
    const QRectF above = page.adjusted(0, 0, 0, -FooterHeight(measure));
    PaintPairPage(painter_, LayOutPairPage(pair.a, pair.b, pair.comparison, pair.style, above,
                                           *device_, painter_.font()));
    PaintPageFooter(painter_, LayOutPageFooter(measure, page, printed_, {1, 1}));
    return true;
}

bool ReadingPages::End() {
    return painter_.end();
}

namespace {

// Begins the painting, adds the pages and ends it, refused when any step
// fails.
template <typename AddPages>
Result<Done> WritePages(QPagedPaintDevice& device, AddPages addPages) {
    ReadingPages pages;
    if (!pages.Begin(device)) {
        return RefuseWith(std::string(NOT_PRINTED));
    }
    const bool added = addPages(pages);
    if (!pages.End() || !added) {
        return RefuseWith(std::string(NOT_PRINTED));
    }
    return Done{};
}

}  // namespace

Result<Done> WriteReadingDocument(QPagedPaintDevice& device,
                                  std::span<const DocumentReading> readings) {
    return WritePages(device, [readings](ReadingPages& pages) {
        return std::all_of(readings.begin(), readings.end(),
                           [&pages](const DocumentReading& reading) { return pages.Add(reading); });
    });
}

Result<Done> WritePairDocument(QPagedPaintDevice& device, const DocumentPair& pair) {
    return WritePages(device, [&pair](ReadingPages& pages) { return pages.AddPair(pair); });
}

}  // namespace sarovin
