#pragma once

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
// and the transits on show to print after its pages, if any.
struct DocumentReading {
    const Calculation& calculation;
    ChartStyle style = ChartStyle::SouthIndian;
    const TransitPrint* transits = nullptr;
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
// another, each laid out by LayOutReadingPage on the whole of the device's
// page.
class ReadingPages {
  public:
    // Starts painting on `device`; false when it cannot be painted on.
    bool Begin(QPagedPaintDevice& device);
    // Paints the next reading's page; false when its page could not be
    // begun.
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
    int pages_ = 0;
};

// Writes one page per reading to a printer or PDF writer; refused when the
// device could not be painted on or a page not begun.
Result<Done> WriteReadingDocument(QPagedPaintDevice& device,
                                  std::span<const DocumentReading> readings);

// Writes the page of two readings compared to a printer or PDF writer;
// refused as WriteReadingDocument is.
Result<Done> WritePairDocument(QPagedPaintDevice& device, const DocumentPair& pair);

// Paints a reading's page as laid out: the birth and the ephemeris, the
// chart beside the Graha Drishti, the Rashi Drishti and the tinted Sputa
// Drishti grid.
void PaintReadingPage(QPainter& painter, const ReadingPageLayout& layout);

}  // namespace sarovin
