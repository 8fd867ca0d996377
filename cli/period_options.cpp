#include "cli/period_options.h"

#include <initializer_list>
#include <string_view>

#include "calculation/birth_periods.h"
#include "cli/named_option.h"

namespace sarovin {

namespace {

// An option that refines `option` and means nothing without it.
Result<Done> NeedsOption(const GivenOptions& given, std::string_view refinement,
                         std::string_view option) {
    if (given.contains(refinement) && !given.contains(option)) {
        return RefuseWith("--" + std::string(refinement) + " needs --" + std::string(option));
    }
    return Done{};
}

// The printed pages have no room for the periods, the comparison for
// either; the Ashtakavarga is printed on a page of its own.
Result<Done> RefuseWithOthers(const GivenOptions& given, std::string_view option,
                              std::initializer_list<std::string_view> others) {
    for (const std::string_view other : others) {
        if (given.contains(option) && given.contains(other)) {
            return RefuseWith("--" + std::string(option) + " and --" + std::string(other) +
                              " cannot be used together");
        }
    }
    return Done{};
}

}  // namespace

Result<PeriodOptions> ReadPeriodOptions(const GivenOptions& given, Ephemeris ephemeris) {
    DashaYear year = DashaYear::Sidereal;
    AshtakavargaTables tables = AshtakavargaTables::Parashara;
    for (const Result<Done>& step :
         {NeedsOption(given, "dasha-year", "dasha"),
          NeedsOption(given, "ashtakavarga-tables", "ashtakavarga"),
          ReadNamed(given, "dasha-year", DASHA_YEAR_NAMES, year),
          ReadNamed(given, "ashtakavarga-tables", ASHTAKAVARGA_TABLES_NAMES, tables),
          RefuseWithOthers(given, "dasha", {"pdf", "compare"}),
          RefuseWithOthers(given, "ashtakavarga", {"compare"})}) {
        if (!step) {
            return step.refusal();
        }
    }
    if (given.contains("ashtakavarga") && ephemeris != Ephemeris::Swiss) {
        return RefuseWith(
            "--ashtakavarga needs --ephemeris swiss: the Ashtakavarga counts from the Lagna, "
            "which the Swiss Ephemeris gives");
    }
    PeriodOptions periods;
    if (given.contains("dasha")) {
        periods.dasha = year;
    }
    if (given.contains("ashtakavarga")) {
        periods.ashtakavarga = tables;
    }
    return periods;
}

}  // namespace sarovin
