#pragma once

#include <vector>

#include "common/result.h"
#include "transits/position_source.h"

namespace sarovin {

// The classical Sputa Drishti of a transiting planet on a natal point at
// one moment.
struct StrengthSample {
    double time = 0;
    double virupas = 0;
};

// The strength of `planet` (Sun to Saturn) on `natalLongitude` at `count`
// (at least 2) evenly spread moments from `from` to `to`, for a plot.
Result<std::vector<StrengthSample>> SampleStrength(PositionSource& source, int planet,
                                                   double natalLongitude, double from, double to,
                                                   int count);

}  // namespace sarovin
