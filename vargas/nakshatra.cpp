#include "vargas/nakshatra.h"

#include <algorithm>
#include <cmath>

#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

// The circle's 108 padas of 3°20'.
constexpr int PADAS = NAKSHATRA_COUNT * PADAS_PER_NAKSHATRA;

}  // namespace

NakshatraPada NakshatraOf(double longitude) {
    const double reduced = ZodiacDegrees(longitude);
    // Counted in whole padas, multiplied before dividing so that a boundary
    // written in degrees and minutes (186°40') starts its pada rather than
    // ending the one before; the last pada also takes a longitude that
    // rounds up to 360.
    const int pada =
        std::min(static_cast<int>(std::floor(reduced * PADAS / FULL_CIRCLE)), PADAS - 1);
    return {pada / PADAS_PER_NAKSHATRA, pada % PADAS_PER_NAKSHATRA + 1};
}

}  // namespace sarovin
