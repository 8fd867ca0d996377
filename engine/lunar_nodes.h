#pragma once

#include <string>

namespace sarovin {

struct NodePositions {
    double rahu;
    double ketu;
};

// Sidereal longitudes in degrees, in [0, 360), of the mean ascending node
// (Rahu) and of the point opposite it (Ketu).
NodePositions NodeSiderealLongitudes(double dayNumber, double ayanamsa);

}  // namespace sarovin
