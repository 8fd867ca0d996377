#pragma once

#include <array>
#include <optional>

#include "ashtakavarga/ashtakavarga.h"
#include "calculation/ephemeris_names.h"
#include "calculation/sky.h"
#include "dasha/vimshottari.h"
#include "engine/birth_record.h"

namespace sarovin {

// The year lengths and the Ashtakavarga tables as named on the command line
// and in the JSON output.
inline constexpr std::array<NamedValue<DashaYear>, 3> DASHA_YEAR_NAMES = {{
    {"sidereal", DashaYear::Sidereal},
    {"julian", DashaYear::Julian},
    {"savana", DashaYear::Savana},
}};

inline constexpr std::array<NamedValue<AshtakavargaTables>, 2> ASHTAKAVARGA_TABLES_NAMES = {{
    {"parashara", AshtakavargaTables::Parashara},
    {"varahamihira", AshtakavargaTables::Varahamihira},
}};

// The Julian day of the birth's Universal Time, as the ephemeris that
// computed `sky` for `record` read it.
double BirthJulianDayUt(const BirthRecord& record, const Sky& sky);

// The Vimshottari periods of a computed birth, from its Moon; either
// ephemeris serves.
Vimshottari ComputeBirthDasha(const BirthRecord& record, const Sky& sky, DashaYear year);

// The Ashtakavarga of a computed birth, from the signs of the seven planets
// and the Lagna; none without a Lagna (the built-in ephemeris).
std::optional<Ashtakavarga> ComputeBirthAshtakavarga(const Sky& sky, AshtakavargaTables tables);

}  // namespace sarovin
