#pragma once

#include <optional>

#include "ashtakavarga/contributing_places.h"
#include "calculation/sky.h"
#include "cli/birth_options.h"
#include "common/result.h"
#include "dasha/dasha_year.h"

namespace sarovin {

// --dasha with --dasha-year, and --ashtakavarga with --ashtakavarga-tables:
// what each reading adds, none when not asked for.
struct PeriodOptions {
    std::optional<DashaYear> dasha{};
    std::optional<AshtakavargaTables> ashtakavarga{};
};

// Reads the four options. The year defaults to the sidereal and the tables
// to Parashara's; a year or tables without their option, --ashtakavarga
// without the Swiss Ephemeris (which gives the Lagna), either with
// --compare, and --dasha with --pdf are refused.
Result<PeriodOptions> ReadPeriodOptions(const GivenOptions& given, Ephemeris ephemeris);

}  // namespace sarovin
