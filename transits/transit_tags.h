#pragma once

#include <optional>

#include "ashtakavarga/ashtakavarga.h"
#include "dasha/running_periods.h"
#include "transits/transit_event.h"

namespace sarovin {

// The transiting planet's own bindus in the sign it transits, and that
// sign's Sarvashtakavarga bindus.
struct TransitBindus {
    int own = 0;
    int sarva = 0;

    friend bool operator==(const TransitBindus&, const TransitBindus&) = default;
};

// What an event is read with: the natal periods running at its moment, and
// the natal bindus of the sign the transiting planet stands in then.
struct TransitTags {
    std::optional<RunningPeriods> periods{};
    std::optional<TransitBindus> bindus{};
};

// The moment an event is read at: the peak of a Sputa window, the start of
// the others.
double TaggedMoment(const TransitEvent& event);

// The tags of `event` from the natal periods and Ashtakavarga, each when
// given: the periods running at its moment (none outside the 120 years),
// the bindus for the Sun to Saturn only.
TransitTags TagsOf(const TransitEvent& event, const std::optional<Vimshottari>& dasha,
                   const std::optional<Ashtakavarga>& ashtakavarga);

}  // namespace sarovin
