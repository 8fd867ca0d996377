#pragma once

#include <span>

#include "calculation/calculation.h"
#include "chart/chart_layout.h"

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace sarovin {

// One reading as its page shows it, with the chart in the chosen style.
struct DocumentReading {
    const Calculation& calculation;
    ChartStyle style = ChartStyle::SouthIndian;
};

// Writes one A4 page per reading to a printer or PDF writer; false when
// the device could not be painted on or a page not begun.
bool WriteReadingDocument(QPagedPaintDevice& device, std::span<const DocumentReading> readings);

// The page of one reading in `page`, in the painter's device units: the
// birth and the ephemeris, the chart beside the Graha Drishti, the Rashi
// Drishti and the tinted Sputa Drishti grid.
void PaintReadingPage(QPainter& painter, const QRectF& page, const DocumentReading& reading);

}  // namespace sarovin
