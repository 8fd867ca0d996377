#include "transits/transit_span.h"

#include <string>
#include <tuple>

#include "ephemeris/utc_time.h"

namespace sarovin {

namespace {

std::string DateText(double julianDay) {
    return IsoMinuteText(julianDay).substr(0, 10);
}

}  // namespace

std::optional<Refusal> TransitSpanProblem(const DateSpan& span, double threshold,
                                          PositionSource& source) {
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
    const Result<CoveredDays> covered = source.Covered();
    if (!covered) {
        return covered.refusal();
    }
    const double from = JulianDayOfDate(span.fromYear, span.fromMonth, span.fromDay);
    const double to = JulianDayOfDate(span.toYear, span.toMonth, span.toDay);
    if (from < covered->first || to > covered->last) {
        return Refusal{"Transits can be searched from " + DateText(covered->first) + " to " +
                       DateText(covered->last) + ", the span " + covered->coveredBy + " cover."};
    }
    return std::nullopt;
}

}  // namespace sarovin
