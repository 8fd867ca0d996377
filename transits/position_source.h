#pragma once

#include <functional>
#include <memory>

#include "common/result.h"

namespace sarovin {

// A transiting body's sidereal longitude in degrees [0, 360) and its speed
// in degrees a day, negative while retrograde.
struct BodyMotion {
    double longitude = 0;
    double speed = 0;
};

// Where the sky puts a body: the search asks only this, so it never learns
// which ephemeris answers. `body` is a body slot (Sun to N Node).
class PositionSource {
  public:
    virtual ~PositionSource() = default;
    virtual Result<BodyMotion> MotionAt(int body, double julianDayUt) = 0;
};

// Makes one source for each thread of a search.
using PositionSourceFactory = std::function<std::unique_ptr<PositionSource>()>;

}  // namespace sarovin
