#pragma once

#include <functional>
#include <memory>
#include <string>

#include "common/result.h"

namespace sarovin {

// A transiting body's sidereal longitude in degrees [0, 360) and its speed
// in degrees a day, negative while retrograde.
struct BodyMotion {
    double longitude = 0;
    double speed = 0;
};

// The Julian days of Universal Time a source answers for, first and last
// included, and what covers them ("the Swiss Ephemeris files").
struct CoveredDays {
    double first = 0;
    double last = 0;
    std::string coveredBy;
};

// Where the sky puts a body: a search asks only this, so it never learns
// which ephemeris answers. `body` is a body slot (Sun to S Node).
class PositionSource {
  public:
    virtual ~PositionSource() = default;
    virtual Result<BodyMotion> MotionAt(int body, double julianDayUt) = 0;
    // The days it answers for, or why it answers for none (its files are
    // missing or damaged).
    virtual Result<CoveredDays> Covered() = 0;
};

// Makes one source for each thread of a search.
using PositionSourceFactory = std::function<std::unique_ptr<PositionSource>()>;

}  // namespace sarovin
