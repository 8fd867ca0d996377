#pragma once

#include <string>
#include <vector>

#include "cli/birth_options.h"
#include "common/result.h"
#include "transits/transit_search.h"
#include "transits/transit_span.h"

namespace sarovin {

// --transits FROM TO and --threshold V.
struct TransitOptions {
    DateSpan span;
    double threshold = DEFAULT_THRESHOLD;
};

// "YYYY-MM-DD", a date of the Gregorian calendar.
Result<Done> ReadIsoDate(std::string_view text, int& year, int& month, int& day);

// Reads --transits (its value FROM, and TO, the first argument after it,
// taken from `files`) and --threshold; refuses a threshold without
// --transits, and --transits with --pdf, --compare or --vargas. The span's
// own checks come with the search.
Result<Done> ReadTransitOptions(const GivenOptions& given, std::vector<std::string>& files,
                                std::optional<TransitOptions>& transits);

}  // namespace sarovin
