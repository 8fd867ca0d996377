#include "engine/planet_longitude.h"

#include <cmath>

#include "engine/angle_constants.h"
#include "engine/runaway_guard.h"

namespace sarovin {

namespace {

// Newton's method converges in a few steps for eccentricities below 0.21;
// the bound only keeps a pathological input from spinning forever.
constexpr int MAX_KEPLER_ITERATIONS = 100;

double OrbitRadius(double semiMajorAxis, double eccentricity, double trueAnomaly) {
    return semiMajorAxis * (1 - eccentricity * eccentricity) /
           (1 + eccentricity * std::cos(trueAnomaly));
}

// Heliocentric position projected on the ecliptic plane.
EclipticPoint PlanetPosition(PlanetIndex planet, double dayNumber) {
    const OrbitalElementSet elements = LoadOrbitalElements(planet, dayNumber);
    const double anomaly = TrueAnomaly(ReduceRadians(elements.meanLongitude - elements.perihelion),
                                       elements.eccentricity);
    const double radius = OrbitRadius(elements.semiMajorAxis, elements.eccentricity, anomaly);
    const double fromNode = elements.perihelion + anomaly - elements.ascendingNode;
    const double node = elements.ascendingNode;
    const double inclination = elements.inclination;
    return {radius * (std::cos(node) * std::cos(fromNode) -
                      std::sin(fromNode) * std::sin(node) * std::cos(inclination)),
            radius * (std::sin(node) * std::cos(fromNode) +
                      std::sin(fromNode) * std::cos(node) * std::cos(inclination))};
}

}  // namespace

// The Earth's orbit is taken as lying in the ecliptic.
EclipticPoint EarthPosition(double dayNumber) {
    const OrbitalElementSet earth = LoadOrbitalElements(PlanetIndex::Earth, dayNumber);
    const double anomaly =
        TrueAnomaly(ReduceRadians(earth.meanLongitude - earth.perihelion), earth.eccentricity);
    const double radius = OrbitRadius(earth.semiMajorAxis, earth.eccentricity, anomaly);
    return {radius * std::cos(earth.perihelion + anomaly),
            radius * std::sin(earth.perihelion + anomaly)};
}

double ReduceRadians(double radians) {
    const double turns = radians / TWO_PI_CONST;
    double reduced = (turns - std::trunc(turns)) * TWO_PI_CONST;
    if (reduced < 0) {
        reduced += TWO_PI_CONST;
    }
    return reduced;
}

double TrueAnomaly(double meanAnomaly, double eccentricity) {
    const double e = eccentricity;
    double eccentric = meanAnomaly + e * std::sin(meanAnomaly) * (1 + e * std::cos(meanAnomaly));
    double previous = 0;
    int iteration = 0;
    do {
        previous = eccentric;
        eccentric = previous - (previous - e * std::sin(previous) - meanAnomaly) /
                                   (1 - e * std::cos(previous));
        ++iteration;
    } while (std::fabs(eccentric - previous) > KEPLER_TOLERANCE &&
             iteration < MAX_KEPLER_ITERATIONS);
    double anomaly = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(eccentric * 0.5));
    if (anomaly < 0) {
        anomaly += TWO_PI_CONST;
    }
    return anomaly;
}

double ArcTangent2(double y, double x) {
    if (x > 0) {
        return std::atan(y / x);
    }
    if (x < 0) {
        const double fromAxis = PI_CONST - std::atan(std::fabs(y / x));
        return y >= 0 ? fromAxis : -fromAxis;
    }
    if (y > 0) {
        return PI_CONST / 2;
    }
    return y < 0 ? -PI_CONST / 2 : 0;
}

double GeocentricLongitude(PlanetIndex planet, double dayNumber) {
    return GeocentricLongitude(planet, dayNumber, EarthPosition(dayNumber));
}

double GeocentricLongitude(PlanetIndex planet, double dayNumber, const EclipticPoint& earth) {
    // The Sun stands at the heliocentric origin.
    const EclipticPoint body =
        planet == PlanetIndex::Earth ? EclipticPoint{0, 0} : PlanetPosition(planet, dayNumber);
    constexpr double RADIANS_TO_DEGREES = 180 / PI_CONST;
    double longitude =
        GuardAgainstRunaway(ArcTangent2(body.y - earth.y, body.x - earth.x) * RADIANS_TO_DEGREES);
    while (longitude > 360) {
        longitude -= 360;
    }
    while (longitude < 0) {
        longitude += 360;
    }
    return longitude;
}

}  // namespace sarovin
