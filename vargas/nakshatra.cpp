#include "vargas/nakshatra.h"

#include <algorithm>
#include <cmath>

namespace sarovin {

namespace {

constexpr double FULL_CIRCLE = 360;
// 3°20' in degrees: one pada, the 108th part of the circle.
constexpr double PADA_DEGREES = FULL_CIRCLE / (NAKSHATRA_COUNT * PADAS_PER_NAKSHATRA);

}  // namespace

NakshatraPada NakshatraOf(double longitude) {
    const double reduced = longitude - FULL_CIRCLE * std::floor(longitude / FULL_CIRCLE);
    // Counted in whole padas; the last pada also takes a longitude that
    // rounds up to 360.
    const int pada = std::min(static_cast<int>(std::floor(reduced / PADA_DEGREES)),
                              NAKSHATRA_COUNT * PADAS_PER_NAKSHATRA - 1);
    return {pada / PADAS_PER_NAKSHATRA, pada % PADAS_PER_NAKSHATRA + 1};
}

}  // namespace sarovin
