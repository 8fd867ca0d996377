#include "engine/ayanamsa.h"

#include <cmath>

#include "engine/angle_constants.h"
#include "engine/julian_day.h"
#include "engine/runaway_guard.h"

namespace sarovin {

namespace {

constexpr double ARCSECONDS_PER_DEGREE = 3600.0;
constexpr double DAY_1900_JANUARY_0 = 2415020.0;
constexpr double DAYS_PER_CENTURY = 36525.0;
// Mean ayanamsa at 1900 January 0, 12h, in arc-seconds.
constexpr double MEAN_AYANAMSA_1900 = 80861.27;

}  // namespace

double AyanamsaDegrees(double centuriesSince1900) {
    const double t = centuriesSince1900;
    double ascendingNode =
        GuardAgainstRunaway(((933060 - 6962911 * t) + 7.5 * (t * t)) / ARCSECONDS_PER_DEGREE);
    // Only the sine of the node is used, so a negative value needs no care.
    while (ascendingNode >= 360) {
        ascendingNode -= 360;
    }
    const double twiceSunLongitude = (2013816 + 259205536 * t) / ARCSECONDS_PER_DEGREE;
    const double nutation = 17.23 * std::sin(ascendingNode * DEG_TO_RAD) +
                            1.27 * std::sin(twiceSunLongitude * DEG_TO_RAD);
    const double arcseconds = nutation - (5025.64 + 1.11 * t) * t;
    return (arcseconds - MEAN_AYANAMSA_1900) / ARCSECONDS_PER_DEGREE;
}

double ComputeBirthAyanamsa(const BirthRecord& record) {
    const double universalHours = BirthUniversalTime(record);
    const double dayNumber = JulianDayNumber(record.month, record.day, record.year);
    const double centuries =
        ((universalHours / 24 + (dayNumber - DAY_1900_JANUARY_0)) - 0.5) / DAYS_PER_CENTURY;
    return AyanamsaDegrees(centuries);
}

}  // namespace sarovin
