#pragma once

#include <functional>
#include <vector>

#include "ashtakavarga/ashtakavarga.h"
#include "common/result.h"
#include "ephemeris/position_source.h"
#include "transits/natal_point.h"
#include "transits/transit_event.h"

namespace sarovin {

inline constexpr double DEFAULT_THRESHOLD = 45;

// What to search: the natal points (the nine bodies first, in body-slot
// order, for the natal Moon of the Sade Sati), the span [from, to) in
// Julian days of Universal Time, the Sputa threshold in virupas, whether
// the node is the true one (which wobbles and is sampled more closely) and
// on how many threads (1 or 2); with the natal Ashtakavarga, Jupiter's and
// Saturn's Kakshya windows too.
struct TransitRequest {
    std::vector<NatalPoint> points;
    double from = 0;
    double to = 0;
    double threshold = DEFAULT_THRESHOLD;
    bool trueNode = false;
    int threads = 1;
    std::optional<Ashtakavarga> ashtakavarga{};
};

struct TransitCounts {
    long events = 0;
    long ephemerisCalls = 0;
    // The threads the search ran on: 1 when a second was asked for but the
    // system would not start it.
    int threads = 1;
};

// Receives each event once, in the order ReportedBefore gives.
using TransitSink = std::function<void(const TransitEvent&)>;
// Told the share of the span searched (0 to 1); returns false to cancel.
using TransitProgress = std::function<bool(double share)>;

// Every Graha Drishti window of the Sun to the N Node, every Sputa Drishti
// window of the Sun to Saturn, on every natal point, and Saturn's Sade Sati
// over the natal Moon, found year by year and handed to `sink` as soon as
// no earlier one can follow, so memory stays flat however long the span.
// Refuses when the source does (a moment outside its files) and when
// cancelled.
Result<TransitCounts> SearchTransits(const TransitRequest& request,
                                     const PositionSourceFactory& sources, const TransitSink& sink,
                                     const TransitProgress& progress = {});

}  // namespace sarovin
