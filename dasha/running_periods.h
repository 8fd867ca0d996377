#pragma once

#include <optional>

#include "dasha/vimshottari.h"

namespace sarovin {

// The lords of the Mahadasha and the Antardasha running at a moment.
struct RunningPeriods {
    BodySlot maha = SNode;
    BodySlot antar = SNode;

    friend bool operator==(const RunningPeriods&, const RunningPeriods&) = default;
};

// The periods running at `julianDay` (Universal Time), each from its start
// included to its end excluded; none outside the periods listed.
std::optional<RunningPeriods> PeriodsRunningAt(const Vimshottari& dasha, double julianDay);

}  // namespace sarovin
