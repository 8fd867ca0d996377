#pragma once

#include <string>

namespace sarovin {

struct NodeTexts {
    std::string rahu;
    std::string ketu;
};

struct NodePositions {
    double rahu;
    double ketu;
};

// Sidereal longitudes in degrees, in [0, 360), of the mean ascending node
// (Rahu) and of the point opposite it (Ketu).
NodePositions NodeSiderealLongitudes(double dayNumber, double ayanamsa);

// Long position texts of the mean ascending node (Rahu) and of the point
// opposite it (Ketu), for a day number and the planets' ayanamsa (>= 0).
NodeTexts NodeLongitudes(double dayNumber, double ayanamsa);

}  // namespace sarovin
