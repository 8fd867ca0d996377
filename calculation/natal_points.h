#pragma once

#include <vector>

#include "calculation/calculation.h"
#include "transits/natal_point.h"

namespace sarovin {

// The nine bodies in body-slot order ("Sun" … "S Node"), then the Lagna and
// "House 1" to "House 12" when the calculation has them.
std::vector<NatalPoint> NatalPointsOf(const Calculation& calculation);

}  // namespace sarovin
