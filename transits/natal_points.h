#pragma once

#include <string>
#include <vector>

#include "calculation/calculation.h"

namespace sarovin {

// A point of the natal chart that transits aspect: a body, the Lagna or a
// house's madhya, with its sidereal longitude.
struct NatalPoint {
    std::string name;
    double longitude = 0;
};

// The nine bodies in body-slot order ("Sun" … "S Node"), then the Lagna and
// "House 1" to "House 12" when the calculation has them.
std::vector<NatalPoint> NatalPointsOf(const Calculation& calculation);

}  // namespace sarovin
