#pragma once

#include <QDate>
#include <QPainter>
#include <span>

#include "calculation/calculation.h"
#include "chart/chart_layout.h"
#include "common/result.h"
#include "comparison/chart_comparison.h"
#include "document/reading_page_layout.h"
#include "document/transit_pages.h"

class QPagedPaintDevice;

namespace sarovin {

// One reading as its page shows it, with the chart in the chosen style,
// and the transits on show to print after its pages, if any; with
// `ashtakavarga`, the calculation's Ashtakavarga on a page before them.
struct DocumentReading {
    const Calculation& calculation;
    ChartStyle style = ChartStyle::SouthIndian;
    const TransitPrint* transits = nullptr;
    bool ashtakavarga = false;
};

// Two readings compared, as their page shows them, with A's chart in the
// chosen style.
struct DocumentPair {
    const Calculation& a;
    const Calculation& b;
    const ChartComparison& comparison;
    ChartStyle style = ChartStyle::SouthIndian;
};

// "Asha and Ravi": the pair's name for the PDF's title, the print job
// and the file offered; "A and B" stand for readings without a name.
std::string PairTitle(const DocumentPair& pair);

// The pages of readings painted onto a printer or PDF writer one after
// another, each reading's laid out by LayOutReadingPages on the whole of
// the device's page, with its houses page when it has houses.
class ReadingPages {
  public:
    // Starts painting on `device`, with `printed` as the date in the
    // footers; false when it cannot be painted on.
    bool Begin(QPagedPaintDevice& device, const QDate& printed = QDate::currentDate());
    // Paints the next reading's pages; false when one could not be begun.
    bool Add(const DocumentReading& reading);
    // Paints the page of two readings compared; false when it could not
    // be begun.
    bool AddPair(const DocumentPair& pair);
    // Ends the painting; false when the device reports a failure.
    bool End();

  private:
    // Begins a page after the first; false when the device refuses.
    bool NextPage();

    QPagedPaintDevice* device_ = nullptr;
    QPainter painter_;
    QDate printed_;
    int pages_ = 0;
};

// Writes the pages of each reading to a printer or PDF writer; refused when the
// device could not be painted on or a page not begun.
Result<Done> WriteReadingDocument(QPagedPaintDevice& device,
                                  std::span<const DocumentReading> readings);

// Writes the page of two readings compared to a printer or PDF writer;
// refused as WriteReadingDocument is.
Result<Done> WritePairDocument(QPagedPaintDevice& device, const DocumentPair& pair);

// Paints a page of a reading as laid out: on the first the birth and the
// ephemeris, then whichever of the charts, the table of the bodies, the
// Graha and Rashi Drishti and the tinted Sputa Drishti grid it holds, and
// the footer.
void PaintReadingPage(QPainter& painter, const ReadingPageLayout& layout);

}  // namespace sarovin
