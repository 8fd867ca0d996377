#include "dasha/running_periods.h"

#include <algorithm>
#include <span>

namespace sarovin {

namespace {

// The period of `periods` (in order, each ending where the next starts)
// running at `julianDay`.
const DashaPeriod* RunningAmong(std::span<const DashaPeriod> periods, double julianDay) {
    const auto after = std::upper_bound(
        periods.begin(), periods.end(), julianDay,
        [](double moment, const DashaPeriod& period) { return moment < period.start; });
    if (after == periods.begin() || julianDay >= std::prev(after)->end) {
        return nullptr;
    }
    return &*std::prev(after);
}

}  // namespace

std::optional<RunningPeriods> PeriodsRunningAt(const Vimshottari& dasha, double julianDay) {
    const DashaPeriod* maha = RunningAmong(dasha.periods, julianDay);
    if (maha == nullptr) {
        return std::nullopt;
    }
    const DashaPeriod* antar = RunningAmong(maha->sub, julianDay);
    if (antar == nullptr) {
        return std::nullopt;
    }
    return RunningPeriods{maha->lord, antar->lord};
}

}  // namespace sarovin
