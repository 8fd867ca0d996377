#pragma once

#include <QPainter>
#include <span>

#include "calculation/calculation.h"
#include "chart/chart_layout.h"
#include "common/result.h"
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
    // Ends the painting; false when the device reports a failure.
    bool End();

  private:
    QPagedPaintDevice* device_ = nullptr;
    QPainter painter_;
    int pages_ = 0;
};

// Writes one page per reading to a printer or PDF writer; refused when the
// device could not be painted on or a page not begun.
Result<Done> WriteReadingDocument(QPagedPaintDevice& device,
                                  std::span<const DocumentReading> readings);

// Paints a reading's page as laid out: the birth and the ephemeris, the
// chart beside the Graha Drishti, the Rashi Drishti and the tinted Sputa
// Drishti grid.
void PaintReadingPage(QPainter& painter, const ReadingPageLayout& layout);

}  // namespace sarovin
