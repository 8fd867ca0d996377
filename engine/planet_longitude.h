#pragma once

#include "engine/orbital_elements.h"

namespace sarovin {

inline constexpr double KEPLER_TOLERANCE = 1e-12;

// An angle in radians brought into [0, TWO_PI_CONST).
double ReduceRadians(double radians);

// True anomaly in [0, TWO_PI_CONST) from the mean anomaly, solving
// Kepler's equation by Newton's method.
double TrueAnomaly(double meanAnomaly, double eccentricity);

// Angle of the vector (x, y) in (-PI_CONST, PI_CONST].
double ArcTangent2(double y, double x);

// Tropical geocentric longitude in degrees, in [0, 360], of Mercury, Venus,
// Mars, Jupiter, Saturn, or of the Sun when the planet is the Earth.
double GeocentricLongitude(PlanetIndex planet, double dayNumber);

// The Earth's heliocentric position on the ecliptic for a day number.
struct EclipticPoint {
    double x;
    double y;
};
EclipticPoint EarthPosition(double dayNumber);

// GeocentricLongitude with the Earth's position for the same day number
// already at hand, so that one table of bodies solves its orbit once.
double GeocentricLongitude(PlanetIndex planet, double dayNumber, const EclipticPoint& earth);

}  // namespace sarovin
