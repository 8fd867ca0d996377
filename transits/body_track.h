#pragma once

#include <functional>
#include <span>
#include <vector>

#include "common/result.h"
#include "ephemeris/position_source.h"

namespace sarovin {

// A body's longitude read at steps over a stretch of time, unwrapped (it
// runs on past 360 instead of returning to 0), with its speed: between two
// samples the cubic Hermite curve through both positions and speeds stands
// for the motion.
struct TrackSample {
    double time = 0;
    double longitude = 0;
    double speed = 0;
};

struct BodyTrack {
    int body = 0;
    std::vector<TrackSample> samples;
};

// The moment the sampling steps are counted from, J2000.0: fixed, so that
// an event is found from the same samples, and at the same times, whatever
// span it is searched in.
inline constexpr double SAMPLING_EPOCH = 2451545.0;

// The times a body is sampled at from `start` to `end` (start < end): both
// ends and, between them, every multiple of `step` days from
// SAMPLING_EPOCH.
std::vector<double> SampleTimes(double start, double end, double step);

// Samples `body` at SampleTimes(start, end, step). `first`, when given, is
// the sample at `start` already read (the end of the previous stretch).
Result<BodyTrack> SampleTrack(PositionSource& source, int body, double start, double end,
                              double step, const TrackSample* first, long& calls);

// The track's longitude at `time` (unwrapped), inside its stretch.
double TrackLongitude(const BodyTrack& track, double time);

// A moment the track passes a target longitude: the target's index and
// whether the longitude was increasing.
struct Crossing {
    double time = 0;
    int target = 0;
    bool increasing = true;
};

// Walks the track in time order, reporting every crossing of the target
// longitudes (in [0, 360), sorted) and every station (where the speed
// changes sign). Between stations the longitude is monotonic, so each
// crossing is the one root of the cubic there, found by safeguarded Newton
// steps.
void WalkTrack(const BodyTrack& track, std::span<const double> targets,
               const std::function<void(const Crossing&)>& onCrossing,
               const std::function<void(double time)>& onStation);

// Refines a crossing time on the ephemeris itself: Newton steps on the
// longitude with the body's true speed, kept within `bracket` days. Refuses
// when the source refuses a step.
Result<double> PolishCrossing(PositionSource& source, int body, double estimate, double target,
                              double bracket, long& calls);

// Refines a station on the ephemeris itself: secant steps on the speed,
// kept within `bracket` days. Refuses when the source refuses a step.
Result<double> PolishStation(PositionSource& source, int body, double estimate, double bracket,
                             long& calls);

}  // namespace sarovin
