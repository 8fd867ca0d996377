#include "engine/moon_longitude.h"

#include <array>
#include <cmath>

#include "engine/angle_constants.h"

namespace sarovin {

namespace {

struct LongitudeTerm {
    int elongation;
    int sunAnomaly;
    int moonAnomaly;
    int latitudeArgument;
    double coefficient;
    bool scaledByEccentricity;
};

// Periodic terms of the lunar longitude: multiples of D, M, M', F and the
// amplitude in degrees; terms with the Sun's anomaly are scaled by E.
constexpr std::array<LongitudeTerm, 25> LONGITUDE_TERMS = {{
    {0, 0, 1, 0, 6.288774, false},   {2, 0, -1, 0, 1.274027, false}, {2, 0, 0, 0, 0.658314, false},
    {0, 0, 2, 0, 0.213618, false},   {0, 1, 0, 0, -0.185116, true},  {0, 0, 0, 2, -0.114332, false},
    {2, 0, -2, 0, 0.058793, false},  {2, -1, -1, 0, 0.057066, true}, {2, 0, 1, 0, 0.053322, false},
    {2, -1, 0, 0, 0.045758, true},   {0, 1, -1, 0, -0.040923, true}, {1, 0, 0, 0, -0.034720, false},
    {0, 1, 1, 0, -0.030383, true},   {2, 0, 0, -2, 0.015327, false}, {0, 0, 1, 2, -0.012528, false},
    {0, 0, 1, -2, 0.010980, false},  {4, 0, -1, 0, 0.010675, false}, {0, 0, 3, 0, 0.010034, false},
    {4, 0, -2, 0, 0.008548, false},  {2, 1, -1, 0, -0.007888, true}, {2, 1, 0, 0, -0.006766, true},
    {1, 0, -1, 0, -0.005163, false}, {1, 1, 0, 0, 0.004987, true},   {2, -1, 1, 0, 0.004036, true},
    {2, 0, 2, 0, 0.003994, false},
}};

constexpr double FULL_TURN = 360.0;

}  // namespace

LunarArguments ComputeLunarArguments(double centuries) {
    const double t = centuries;
    LunarArguments arguments;
    arguments.moonMeanLongitude = 481267.88134236 * t + 218.3164591;
    arguments.meanElongation = (445267.1115168 * t + 297.8502042) * DEG_TO_RAD;
    arguments.sunMeanAnomaly = (35999.0502909 * t + 357.5291092) * DEG_TO_RAD;
    arguments.moonMeanAnomaly = (477198.8676313 * t + 134.9634114) * DEG_TO_RAD;
    arguments.argumentOfLatitude = (483202.0175273 * t + 93.2720993) * DEG_TO_RAD;
    arguments.eccentricityFactor = 1 - 0.002516 * t - 0.0000074 * t * t;
    return arguments;
}

double MoonLongitudeTerms(const LunarArguments& arguments) {
    double sum = 0;
    for (const LongitudeTerm& term : LONGITUDE_TERMS) {
        const double angle = term.elongation * arguments.meanElongation +
                             term.sunAnomaly * arguments.sunMeanAnomaly +
                             term.moonAnomaly * arguments.moonMeanAnomaly +
                             term.latitudeArgument * arguments.argumentOfLatitude;
        double value = term.coefficient * std::sin(angle);
        if (term.scaledByEccentricity) {
            value *= arguments.eccentricityFactor;
        }
        sum += value;
    }
    return sum;
}

double ReduceMoonLongitude(double longitude) {
    // Every step of the repeated addition is exact while the value is larger
    // than one turn, so the loops end on the exact remainder; only the last
    // addition that crosses zero can round, and it is done the same way here.
    if (longitude < 0) {
        const double remainder = std::fmod(longitude, FULL_TURN);
        longitude = remainder < 0 ? remainder + FULL_TURN : 0.0;
    }
    if (longitude > FULL_TURN) {
        const double remainder = std::fmod(longitude, FULL_TURN);
        longitude = remainder == 0 ? FULL_TURN : remainder;
    }
    return longitude;
}

double MoonTropicalLongitude(double centuries) {
    const LunarArguments arguments = ComputeLunarArguments(centuries);
    return ReduceMoonLongitude(arguments.moonMeanLongitude + MoonLongitudeTerms(arguments));
}

}  // namespace sarovin
