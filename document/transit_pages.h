#pragma once

#include <QRectF>
#include <optional>
#include <string>
#include <vector>

#include "calculation/natal_points.h"
#include "dasha/vimshottari.h"
#include "timeline/strength_plot.h"
#include "transits/transit_event.h"

class QPagedPaintDevice;
class QPainter;

namespace sarovin {

// A transit search as printed after a reading's pages: its windows, the
// natal points they name, the span, today and the heading.
struct TransitPrint {
    std::vector<TransitEvent> events;
    std::vector<NatalPoint> points;
    double from = 0;
    double to = 1;
    double today = 0;
    std::string heading;
    // The strength of the row chosen on screen, plotted on a page after
    // the timeline; no samples when none is chosen.
    std::vector<StrengthSample> samples;
    double threshold = 0;
    std::string plotTitle;
    // The natal periods, drawn as the lane above the rows when given.
    std::optional<Vimshottari> dasha{};
};

// The timeline on as many pages as its rows need, each headed, then the
// chosen row's strength plot on a page of its own; the first page is
// begun by the caller. False when a page could not be begun.
bool PaintTransitPages(QPainter& painter, QPagedPaintDevice& device, const TransitPrint& print,
                       const QRectF& page);

}  // namespace sarovin
