#pragma once

#include <optional>

#include "dasha/vimshottari.h"
#include "transits/transit_event.h"

namespace sarovin {

// The windows the timeline shows: of one transiting body, on one natal
// point, of one kind, each when chosen; Sputa windows peaking at
// `minimumPeak` virupas or more; and with `periodLordsOnly` those falling in
// a period of their own bodies.
struct WindowFilter {
    std::optional<int> transiting{};
    std::optional<int> natal{};
    std::optional<TransitKind> kind{};
    double minimumPeak = 0;
    bool periodLordsOnly = false;
};

// Whether `event` passes `filter`; the period lords are read from `dasha`,
// and without periods that choice keeps every window. A Kakshya window is
// on no natal point.
bool PassesFilter(const TransitEvent& event, const WindowFilter& filter,
                  const std::optional<Vimshottari>& dasha);

}  // namespace sarovin
