#pragma once

#include <array>

#include "common/result.h"
#include "swiss/swiss_ephemeris.h"

namespace sarovin {

// The two quadrant house systems read from the library.
enum class CuspSystem { Porphyry, Placidus };

inline constexpr int HOUSE_COUNT = 12;

// Sidereal angles and the twelve cusps of one system, in degrees [0, 360):
// cusps[0] is the ascendant, cusps[9] the midheaven.
struct SwissCusps {
    double ascendant = 0;
    double midheaven = 0;
    std::array<double, HOUSE_COUNT> cusps{};
};

// The cusps of `system` for the request's moment and place, in the same
// sidereal zodiac as ComputeSwissPositions (the request's ayanamsa). Placidus has no solution
// inside the polar circles, where it is refused. Only for a request that ComputeSwissPositions
// accepted.
Result<SwissCusps> ComputeSwissCusps(const SwissRequest& request, CuspSystem system);

}  // namespace sarovin
