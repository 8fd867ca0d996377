#pragma once

#include "comparison/chart_comparison.h"
#include "output/reported_reading.h"

namespace sarovin {

// Two readings computed with the same ephemeris, ayanamsa and rules, and
// their comparison.
struct ComparedReadings {
    ReportedReading a;
    ReportedReading b;
    ChartComparison comparison;
};

}  // namespace sarovin
