#include "calculation/given_positions.h"

#include <cmath>

namespace sarovin {

namespace {

constexpr double FULL_CIRCLE = 360;
constexpr double HALF_CIRCLE = 180;

double Reduced(double degrees) {
    const double reduced = std::fmod(degrees, FULL_CIRCLE);
    return reduced < 0 ? reduced + FULL_CIRCLE : reduced;
}

}  // namespace

std::array<double, HOUSES> TrisectedQuadrants(double lagna, double midheaven) {
    const double tenthToFirst = Reduced(lagna - midheaven) / 3;
    const double firstToFourth = Reduced(midheaven + HALF_CIRCLE - lagna) / 3;
    std::array<double, HOUSES> cusps{};
    for (int step = 0; step < 3; ++step) {
        // Cusps 10, 11, 12 and 1, 2, 3 and their opposites 4, 5, 6 and 7, 8, 9.
        cusps[9 + step] = Reduced(midheaven + step * tenthToFirst);
        cusps[step] = Reduced(lagna + step * firstToFourth);
        cusps[3 + step] = Reduced(cusps[9 + step] + HALF_CIRCLE);
        cusps[6 + step] = Reduced(cusps[step] + HALF_CIRCLE);
    }
    return cusps;
}

}  // namespace sarovin
