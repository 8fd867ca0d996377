#pragma once

#include "comparison/chart_comparison.h"
#include "output/reported_reading.h"

namespace sarovin {

// Two readings computed with the same ephemeris, ayanamsa and rules, and
// their comparison; `sameBirth` when both hold one birth, as when a
// reading is compared with itself.
struct ComparedReadings {
    ReportedReading a;
    ReportedReading b;
    ChartComparison comparison;
    bool sameBirth = false;
};

// Compares `a` with `b`.
ComparedReadings CompareReadings(ReportedReading a, ReportedReading b);

}  // namespace sarovin
