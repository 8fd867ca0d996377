#include "transits/transit_span.h"

#include <string>
#include <tuple>

#include "swiss/ephemeris_session.h"
#include "transits/utc_time.h"

namespace sarovin {

namespace {

std::string DateText(double julianDay) {
    return IsoMinuteText(julianDay).substr(0, 10);
}

}  // namespace

std::optional<Refusal> TransitSpanProblem(const DateSpan& span, double threshold) {
    if (!(threshold >= LOWEST_THRESHOLD && threshold <= HIGHEST_THRESHOLD)) {
        return Refusal{"The threshold must lie between 0 and 60 virupas."};
    }
    const auto fromDate = std::tie(span.fromYear, span.fromMonth, span.fromDay);
    const auto toDate = std::tie(span.toYear, span.toMonth, span.toDay);
    if (!(fromDate < toDate)) {
        return Refusal{"The span must end after it starts."};
    }
    const int lastYear = span.fromYear + LONGEST_SPAN_YEARS;
    if (toDate > std::tie(lastYear, span.fromMonth, span.fromDay)) {
        return Refusal{"The span must not be longer than 600 years."};
    }
    const EphemerisFiles& files = PrepareThreadEphemeris();
    if (!files.found) {
        return UnusableFilesRefusal(files);
    }
    // The planets are seen where they stood when their light left them, up
    // to two hours earlier: on the files' first day that is before them. The
    // span's end is read too, and the files' end is not theirs.
    const double first = files.firstJulianDayUt + 1;
    const double last = files.endJulianDayUt - 1;
    const double from = JulianDayOfDate(span.fromYear, span.fromMonth, span.fromDay);
    const double to = JulianDayOfDate(span.toYear, span.toMonth, span.toDay);
    if (from < first || to > last) {
        return Refusal{"Transits can be searched from " + DateText(first) + " to " +
                       DateText(last) + ", the span the Swiss Ephemeris files cover."};
    }
    return std::nullopt;
}

}  // namespace sarovin
