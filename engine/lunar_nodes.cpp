#include "engine/lunar_nodes.h"

#include "engine/angle_constants.h"
#include "engine/planet_longitude.h"
#include "engine/runaway_guard.h"

namespace sarovin {

namespace {

constexpr double NODE_AT_J2000 = 125.1228;
constexpr double NODE_DAILY_MOTION = 0.0529538083;
// The way back to degrees uses 3.1416 rather than pi; the node therefore
// never quite reaches 360.
constexpr double NODE_RADIANS_TO_DEGREES = 180 / 3.1416;
constexpr double NODE_OFFSET_DEGREES = 1;

}  // namespace

NodePositions NodeSiderealLongitudes(double dayNumber, double ayanamsa) {
    const double node = ReduceRadians(DEG_TO_RAD * (NODE_AT_J2000 - NODE_DAILY_MOTION * dayNumber));
    double rahu = NODE_RADIANS_TO_DEGREES * node;
    rahu = rahu - NODE_OFFSET_DEGREES;
    rahu = GuardAgainstRunaway(rahu - ayanamsa);
    while (rahu < 0) {
        rahu += 360;
    }
    double ketu = rahu + 180;
    while (ketu >= 360) {
        ketu -= 360;
    }
    return {rahu, ketu};
}

}  // namespace sarovin
