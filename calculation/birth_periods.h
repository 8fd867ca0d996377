#pragma once

#include <array>
#include <optional>

#include "ashtakavarga/ashtakavarga.h"
#include "calculation/calculation.h"
#include "calculation/ephemeris_names.h"
#include "dasha/vimshottari.h"

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
// computed the calculation read it.
double BirthJulianDayUt(const Calculation& calculation);

// The Vimshottari periods of a computed birth, from its Moon; either
// ephemeris serves.
Vimshottari ComputeBirthDasha(const Calculation& calculation, DashaYear year);

// The Ashtakavarga of a computed birth, from the signs of the seven planets
// and the Lagna; none without a Lagna (the built-in ephemeris).
std::optional<Ashtakavarga> ComputeBirthAshtakavarga(const Sky& sky, AshtakavargaTables tables);

}  // namespace sarovin
