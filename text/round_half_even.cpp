#include "text/round_half_even.h"

#include <cmath>

namespace sarovin {

double RoundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) {
        return below;
    }
    if (fraction > 0.5) {
        return below + 1;
    }
    const bool belowIsEven = std::floor(below / 2) * 2 == below;
    return belowIsEven ? below : below + 1;
}

}  // namespace sarovin
