#include "engine/moon_position.h"

#include <cmath>

#include "engine/angle_constants.h"
#include "engine/julian_day.h"
#include "engine/moon_longitude.h"
#include "engine/position_text.h"

namespace sarovin {

namespace {

constexpr double ARCSECONDS_PER_DEGREE = 3600.0;
// Mean ayanamsa at J2000.0 in arc-seconds (23° 51' 26.27").
constexpr double MEAN_AYANAMSA_J2000 = 85886.27;

}  // namespace

double MoonAyanamsaDegrees(double centuries) {
    const double t = centuries;
    const double ascendingNode = (125.044555 - 1934.1361849 * t) + 0.0020762 * t * t;
    const double sunMeanLongitude = (280.466449 + 36000.7698231 * t) + 0.0003106 * t * t;
    double arcseconds = 1.27 * std::sin(sunMeanLongitude * DEG_TO_RAD) +
                        17.23 * std::sin(ascendingNode * DEG_TO_RAD);
    arcseconds = arcseconds - t * (1.11 * t + 5025.64);
    return (arcseconds - MEAN_AYANAMSA_J2000) / ARCSECONDS_PER_DEGREE;
}

double SiderealMoonLongitude(double tropicalLongitude, double ayanamsa) {
    const double sidereal = tropicalLongitude + ayanamsa;
    return sidereal < 0 ? sidereal + 360 : sidereal;
}

double ComputeMoonLongitude(const BirthRecord& record) {
    const double universalHours = BirthUniversalTime(record);
    const double dayNumber = JulianDayNumber(record.month, record.day, record.year);
    const double centuries = CenturiesSinceJ2000(dayNumber, universalHours);
    const double ayanamsa = MoonAyanamsaDegrees(centuries);
    return SiderealMoonLongitude(MoonTropicalLongitude(centuries), ayanamsa);
}

std::string ComputeMoonPosition(const BirthRecord& record) {
    return FormatSignDms(ComputeMoonLongitude(record));
}

}  // namespace sarovin
