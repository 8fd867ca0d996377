#pragma once

#include <optional>

#include "common/refusal.h"
#include "ephemeris/position_source.h"

namespace sarovin {

// A span as a person gives it: from one date to another, each at 0h UTC.
struct DateSpan {
    int fromYear = 0;
    int fromMonth = 1;
    int fromDay = 1;
    int toYear = 0;
    int toMonth = 1;
    int toDay = 1;
};

inline constexpr int LONGEST_SPAN_YEARS = 600;
inline constexpr double LOWEST_THRESHOLD = 0;
inline constexpr double HIGHEST_THRESHOLD = 60;

// Why a search over `span` at `threshold` virupas cannot be made: the span
// ends before it starts or lasts longer than 600 years, the threshold lies
// outside 0-60, or the source (its files missing or damaged) does not cover
// it.
std::optional<Refusal> TransitSpanProblem(const DateSpan& span, double threshold,
                                          PositionSource& source);

}  // namespace sarovin
