#pragma once

#include <vector>

#include "common/result.h"
#include "ephemeris/position_source.h"

namespace sarovin {

// The classical Sputa Drishti of a transiting planet on a natal point at
// one moment.
struct StrengthSample {
    double time = 0;
    double virupas = 0;
};

// How many moments a plot of `planet`'s (Sun to Saturn) strength from
// `from` to `to` samples: at least FEWEST_PLOT_SAMPLES, and at least
// SAMPLES_PER_CYCLE in the planet's shortest cycle, so that every cycle
// is drawn and no slow wave appears that is not there (1,500 moments over
// 600 years gave "Sun on Sun" waves decades long).
int StrengthSampleCount(int planet, double from, double to);

inline constexpr int FEWEST_PLOT_SAMPLES = 1500;
inline constexpr int SAMPLES_PER_CYCLE = 10;

// The strength of `planet` (Sun to Saturn) on `natalLongitude` at `count`
// (at least 2) evenly spread moments from `from` to `to`, for a plot.
Result<std::vector<StrengthSample>> SampleStrength(PositionSource& source, int planet,
                                                   double natalLongitude, double from, double to,
                                                   int count);

}  // namespace sarovin
