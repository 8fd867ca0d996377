#include "engine/runaway_guard.h"

#include <cmath>

namespace sarovin {

namespace {

// A million degrees: far past any angle the engine's steps produce, and
// few enough turns for the repeated additions to end at once.
constexpr double LARGEST_UNGUARDED_ANGLE = 1e6;

}  // namespace

double GuardAgainstRunaway(double degrees) {
    if (std::fabs(degrees) < LARGEST_UNGUARDED_ANGLE) {
        return degrees;
    }
    return std::isfinite(degrees) ? std::fmod(degrees, 360.0) : 0.0;
}

}  // namespace sarovin
