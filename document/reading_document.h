#pragma once

#include <QPainter>
#include <span>

#include "calculation/calculation.h"
#include "chart/chart_layout.h"

class QPagedPaintDevice;
class QRectF;

namespace sarovin {

// One reading as its page shows it, with the chart in the chosen style.
struct DocumentReading {
    const Calculation& calculation;
    ChartStyle style = ChartStyle::SouthIndian;
};

// The pages of readings painted onto a printer or PDF writer one after
// another, each as PaintReadingPage lays it out, followed by its
// PaintHousesPage when it has houses.
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

// Writes one page per reading (two with houses) to a printer or PDF writer; false when the
// device could not be painted on or a page not begun.
bool WriteReadingDocument(QPagedPaintDevice& device, std::span<const DocumentReading> readings);

// The page of one reading in `page`, in the painter's device units: the
// birth and the ephemeris, the chart beside the Graha Drishti, the Rashi
// Drishti and the tinted Sputa Drishti grid.
void PaintReadingPage(QPainter& painter, const QRectF& page, const DocumentReading& reading);

// The page that follows it for a reading with houses: the birth and the
// ephemeris again, then the houses table.
void PaintHousesPage(QPainter& painter, const QRectF& page, const Calculation& calculation,
                     const Houses& houses);

}  // namespace sarovin
