#include "transits/period_lords.h"

#include "dasha/running_periods.h"
#include "engine/body_slot.h"
#include "transits/transit_tags.h"

namespace sarovin {

namespace {

bool IsLord(const RunningPeriods& periods, int body) {
    return periods.maha == body || periods.antar == body;
}

// The natal points begin with the nine bodies in body-slot order.
bool NatalIsBody(const TransitEvent& event) {
    return event.kind != TransitKind::Kakshya && event.natal < BODY_COUNT;
}

}  // namespace

bool FallsInOwnPeriod(const TransitEvent& event, const Vimshottari& dasha) {
    const std::optional<RunningPeriods> periods = PeriodsRunningAt(dasha, TaggedMoment(event));
    if (!periods) {
        return false;
    }
    return IsLord(*periods, event.transiting) ||
           (NatalIsBody(event) && IsLord(*periods, event.natal));
}

}  // namespace sarovin
