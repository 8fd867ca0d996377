#include "timeline/window_filter.h"

#include "transits/period_lords.h"

namespace sarovin {

namespace {

bool OnNatal(const TransitEvent& event, int natal) {
    return event.kind != TransitKind::Kakshya && event.natal == natal;
}

}  // namespace

bool PassesFilter(const TransitEvent& event, const WindowFilter& filter,
                  const std::optional<Vimshottari>& dasha) {
    if (filter.transiting && event.transiting != *filter.transiting) {
        return false;
    }
    if (filter.natal && !OnNatal(event, *filter.natal)) {
        return false;
    }
    if (filter.kind && event.kind != *filter.kind) {
        return false;
    }
    if (event.kind == TransitKind::Sputa && event.peakVirupas &&
        *event.peakVirupas < filter.minimumPeak) {
        return false;
    }
    return !filter.periodLordsOnly || !dasha || FallsInOwnPeriod(event, *dasha);
}

}  // namespace sarovin
