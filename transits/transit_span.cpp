#include "transits/transit_span.h"

#include <tuple>

#include "swiss/ephemeris_session.h"
#include "transits/utc_time.h"

namespace sarovin {

std::optional<Refusal> TransitSpanProblem(const DateSpan& span, double threshold) {
    if (!(threshold >= LOWEST_THRESHOLD && threshold <= HIGHEST_THRESHOLD)) {
        return Refusal{"The threshold must lie between 0 and 60 virupas."};
    }
    const auto from = std::tie(span.fromYear, span.fromMonth, span.fromDay);
    const auto to = std::tie(span.toYear, span.toMonth, span.toDay);
    if (!(from < to)) {
        return Refusal{"The span must end after it starts."};
    }
    const int lastYear = span.fromYear + LONGEST_SPAN_YEARS;
    if (to > std::tie(lastYear, span.fromMonth, span.fromDay)) {
        return Refusal{"The span must not be longer than 600 years."};
    }
    const EphemerisFiles& files = PrepareThreadEphemeris();
    if (!files.found) {
        return UnusableFilesRefusal(files);
    }
    if (!files.Covers(JulianDayOfDate(span.fromYear, span.fromMonth, span.fromDay)) ||
        JulianDayOfDate(span.toYear, span.toMonth, span.toDay) > files.endJulianDayUt) {
        return OutsideFilesRefusal(files);
    }
    return std::nullopt;
}

}  // namespace sarovin
