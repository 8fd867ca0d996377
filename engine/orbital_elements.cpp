#include "engine/orbital_elements.h"

#include <array>
#include <cmath>

#include "engine/angle_constants.h"
#include "engine/planet_longitude.h"

namespace sarovin {

namespace {

constexpr double DAYS_PER_CENTURY = 36525.0;
constexpr double ARCSECONDS_PER_DEGREE = 3600.0;

// One row of the table of mean elements for 1800-2050 (J2000 ecliptic):
// angles in degrees, their rates in arc-seconds per century.
struct ElementRow {
    double semiMajorAxis;
    double eccentricity;
    double inclination;
    double ascendingNode;
    double perihelion;
    double meanLongitude;
};

// The Earth's inclination and node are not needed and stay zero.
constexpr std::array<ElementRow, 6> BASE_ELEMENTS = {{
    {0.38709893, 0.20563069, 7.00487, 48.33167, 77.45645, 252.25084},
    {0.72333199, 0.00677323, 3.39471, 76.68069, 131.53298, 181.97973},
    {1.00000011, 0.01671022, 0, 0, 102.94719, 100.46435},
    {1.52366231, 0.09341233, 1.85061, 49.57854, 336.04084, 355.45332},
    {5.20336301, 0.04839266, 1.30530, 100.55615, 14.75385, 34.40438},
    {9.53707032, 0.05415060, 2.48446, 113.71504, 92.43194, 49.94432},
}};

constexpr std::array<ElementRow, 6> CENTURY_RATES = {{
    {0.00000066, 0.00002527, -23.51, -446.30, 573.57, 538101628.29},
    {0.00000092, -0.00004938, -2.86, -996.89, -108.80, 210664136.06},
    {-0.00000005, -0.00003804, 0, 0, 1198.28, 129597740.63},
    {-0.00007221, 0.00011902, -25.47, -1020.19, 1560.78, 68905103.78},
    {0.00060737, -0.00012880, -4.15, 1217.17, 839.93, 10925078.35},
    {-0.00301530, -0.00036762, 6.11, -1591.05, -1948.89, 4401052.95},
}};

double AngleAt(double baseDegrees, double rateArcseconds, double centuries) {
    return DEG_TO_RAD * (baseDegrees + (rateArcseconds * centuries) / ARCSECONDS_PER_DEGREE);
}

}  // namespace

double PlanetDayNumber(int year, int month, int day, int hour, int minute) {
    const double hours = hour + minute / 60.0;
    const double y = year;
    const double m = month;
    return 367 * y - std::floor(7 * (y + std::floor((m + 9) / 12)) / 4) + std::floor(275 * m / 9) +
           day - 730531.5 + hours / 24;
}

OrbitalElementSet LoadOrbitalElements(PlanetIndex planet, double dayNumber) {
    const auto index = static_cast<std::size_t>(planet);
    const ElementRow& base = BASE_ELEMENTS[index];
    const ElementRow& rate = CENTURY_RATES[index];
    const double t = dayNumber / DAYS_PER_CENTURY;
    OrbitalElementSet elements;
    elements.semiMajorAxis = base.semiMajorAxis + rate.semiMajorAxis * t;
    elements.eccentricity = base.eccentricity + rate.eccentricity * t;
    elements.inclination = AngleAt(base.inclination, rate.inclination, t);
    elements.ascendingNode = AngleAt(base.ascendingNode, rate.ascendingNode, t);
    elements.perihelion = AngleAt(base.perihelion, rate.perihelion, t);
    elements.meanLongitude = ReduceRadians(AngleAt(base.meanLongitude, rate.meanLongitude, t));
    return elements;
}

}  // namespace sarovin
