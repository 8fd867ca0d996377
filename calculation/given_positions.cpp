#include "calculation/given_positions.h"
#include "zodiac/zodiac.h"

#include <cmath>

namespace sarovin {

namespace {

constexpr double HALF_CIRCLE = 180;

}  // namespace

std::array<double, HOUSES> TrisectedQuadrants(double lagna, double midheaven) {
    const double tenthToFirst = ZodiacDegrees(lagna - midheaven) / 3;
    const double firstToFourth = ZodiacDegrees(midheaven + HALF_CIRCLE - lagna) / 3;
    std::array<double, HOUSES> cusps{};
    for (int step = 0; step < 3; ++step) {
        // Cusps 10, 11, 12 and 1, 2, 3 and their opposites 4, 5, 6 and 7, 8, 9.
        cusps[9 + step] = ZodiacDegrees(midheaven + step * tenthToFirst);
        cusps[step] = ZodiacDegrees(lagna + step * firstToFourth);
        cusps[3 + step] = ZodiacDegrees(cusps[9 + step] + HALF_CIRCLE);
        cusps[6 + step] = ZodiacDegrees(cusps[step] + HALF_CIRCLE);
    }
    return cusps;
}

}  // namespace sarovin
