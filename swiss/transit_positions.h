#pragma once

#include "common/result.h"
#include "swiss/swiss_ephemeris.h"

namespace sarovin {

// A transiting body's sidereal longitude in degrees [0, 360) and its speed
// in degrees a day (negative while retrograde).
struct SwissMotion {
    double longitude = 0;
    double speed = 0;
};

// The motion of body slot `body` (Sun to S Node, in the body table's order)
// at `julianDayUt`, by `ayanamsa` and `node`; Ketu is opposite Rahu. Refuses
// moments the files do not cover. One library call.
Result<SwissMotion> ComputeSwissMotion(int body, double julianDayUt, AyanamsaSystem ayanamsa,
                                       LunarNode node);

}  // namespace sarovin
