#include "output/compared_readings.h"

#include <utility>

namespace sarovin {

ComparedReadings CompareReadings(ReportedReading a, ReportedReading b) {
    ChartComparison comparison = CompareCharts(a.calculation.sky, b.calculation.sky);
    const bool sameBirth = a.calculation.record == b.calculation.record;
    return {std::move(a), std::move(b), std::move(comparison), sameBirth};
}

}  // namespace sarovin
