#pragma once

#include <vector>

#include "engine/body_slot.h"
#include "ephemeris/utc_time.h"
#include "swiss/swiss_position_source.h"
#include "transits/transit_search.h"

#include <gtest/gtest.h>

namespace sarovin::testing {

inline constexpr double MINUTE = 1.0 / 1440;

// The nine natal bodies at chosen longitudes (no Lagna, no houses): the
// Sun at 200, the Moon at 300 (Kumbha), Mercury at 100, Venus at 10 and
// Mars at 15 are the natal points the reference cases look at.
inline std::vector<NatalPoint> ChosenNatalPoints() {
    const std::vector<double> longitudes = {200, 300, 100, 10, 15, 47.5, 133.3, 250, 70};
    std::vector<NatalPoint> points;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        points.push_back({std::string(SlotNames[slot].englishName), longitudes[slot]});
    }
    return points;
}

// Every event of the chosen points from `from` to `to` (Julian days), by
// the Swiss Ephemeris with Lahiri's ayanamsa and the mean node.
inline std::vector<TransitEvent> SearchChosen(double from, double to, int threads = 1) {
    TransitRequest request{.points = ChosenNatalPoints(), .from = from, .to = to};
    request.threads = threads;
    std::vector<TransitEvent> events;
    const Result<TransitCounts> counts =
        SearchTransits(request, SwissPositionSources(AyanamsaSystem::Lahiri, LunarNode::Mean),
                       [&events](const TransitEvent& event) { events.push_back(event); });
    EXPECT_TRUE(counts.has_value()) << (counts ? "" : counts.refusal().message);
    return events;
}

}  // namespace sarovin::testing
