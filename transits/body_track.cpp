#include "transits/body_track.h"
#include "zodiac/zodiac.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sarovin {

namespace {

// Newton steps end when a step is below a ten-thousandth of a second: the
// curve's root then comes out alike to that, whatever whole turns its
// longitudes carry from where the search started, and so does its minute.
constexpr double TIME_TOLERANCE = 0.0001 / 86400;
constexpr int SOLVE_STEPS = 60;
constexpr int POLISH_STEPS = 4;

double Unwrapped(double longitude, double previous) {
    return longitude + FULL_CIRCLE * std::round((previous - longitude) / FULL_CIRCLE);
}

// The cubic Hermite curve between two samples, in u = (t - t0) / h.
struct Segment {
    double t0;
    double h;
    double p0;
    double p1;
    double m0;  // speed times h
    double m1;

    Segment(const TrackSample& a, const TrackSample& b)
        : t0(a.time),
          h(b.time - a.time),
          p0(a.longitude),
          p1(b.longitude),
          m0(a.speed * h),
          m1(b.speed * h) {}

    double Value(double u) const {
        const double u2 = u * u;
        const double u3 = u2 * u;
        return (2 * u3 - 3 * u2 + 1) * p0 + (u3 - 2 * u2 + u) * m0 + (-2 * u3 + 3 * u2) * p1 +
               (u3 - u2) * m1;
    }
    double Slope(double u) const {
        const double u2 = u * u;
        return (6 * u2 - 6 * u) * p0 + (3 * u2 - 4 * u + 1) * m0 + (-6 * u2 + 6 * u) * p1 +
               (3 * u2 - 2 * u) * m1;
    }
    double TimeAt(double u) const { return t0 + u * h; }
};

// The roots of the curve's slope inside (0, 1), in order: its stations.
struct Stations {
    std::array<double, 2> at{};
    int count = 0;

    void Add(double u) {
        if (u > 0 && u < 1) {
            at[count++] = u;
        }
    }
};

Stations StationsOf(const Segment& segment) {
    const double a = 6 * segment.p0 + 3 * segment.m0 - 6 * segment.p1 + 3 * segment.m1;
    const double b = -6 * segment.p0 - 4 * segment.m0 + 6 * segment.p1 - 2 * segment.m1;
    const double c = segment.m0;
    Stations stations;
    if (std::fabs(a) < 1e-12) {
        if (b != 0) {
            stations.Add(-c / b);
        }
        return stations;
    }
    const double discriminant = b * b - 4 * a * c;
    if (discriminant > 0) {
        const double root = std::sqrt(discriminant);
        const double first = (-b - root) / (2 * a);
        const double second = (-b + root) / (2 * a);
        stations.Add(std::min(first, second));
        stations.Add(std::max(first, second));
    }
    return stations;
}

// The u in [low, high] where the monotonic curve reaches `value`.
double SolveMonotonic(const Segment& segment, double low, double high, double value) {
    const bool increasing = segment.Value(high) >= segment.Value(low);
    double u = (low + high) / 2;
    for (int step = 0; step < SOLVE_STEPS; ++step) {
        const double difference = segment.Value(u) - value;
        if ((difference < 0) == increasing) {
            low = u;
        } else {
            high = u;
        }
        const double slope = segment.Slope(u);
        double next = slope != 0 ? u - difference / slope : (low + high) / 2;
        if (!(next > low && next < high)) {
            next = (low + high) / 2;
        }
        if (std::fabs(next - u) * segment.h < TIME_TOLERANCE) {
            return next;
        }
        u = next;
    }
    return u;
}

// Reports the targets passed on one monotonic piece, from `from` to `to`
// (unwrapped longitudes), a target at `from` excluded and at `to` included.
void CrossPiece(const Segment& segment, double low, double high, std::span<const double> targets,
                const std::function<void(const Crossing&)>& onCrossing,
                std::vector<std::pair<double, int>>& passed) {
    const double from = segment.Value(low);
    const double to = segment.Value(high);
    if (from == to || targets.empty()) {
        return;
    }
    const bool increasing = to > from;
    const double bottom = std::min(from, to);
    const double top = std::max(from, to);
    passed.clear();
    for (double turn = FULL_CIRCLE * std::floor(bottom / FULL_CIRCLE); turn <= top;
         turn += FULL_CIRCLE) {
        for (int index = 0; index < static_cast<int>(targets.size()); ++index) {
            const double target = turn + targets[index];
            const bool inside = increasing ? (target > bottom && target <= top)
                                           : (target >= bottom && target < top);
            if (inside) {
                passed.emplace_back(target, index);
            }
        }
    }
    std::sort(passed.begin(), passed.end());
    if (!increasing) {
        std::reverse(passed.begin(), passed.end());
    }
    for (const auto& [target, index] : passed) {
        const double u = SolveMonotonic(segment, low, high, target);
        onCrossing({segment.TimeAt(u), index, increasing});
    }
}

}  // namespace

std::vector<double> SampleTimes(double start, double end, double step) {
    std::vector<double> times{start};
    for (double k = std::floor((start - SAMPLING_EPOCH) / step) + 1;; ++k) {
        const double time = SAMPLING_EPOCH + k * step;
        if (time >= end) {
            break;
        }
        times.push_back(time);
    }
    times.push_back(end);
    return times;
}

Result<BodyTrack> SampleTrack(PositionSource& source, int body, double start, double end,
                              double step, const TrackSample* first, long& calls) {
    BodyTrack track{body, {}};
    const std::vector<double> times = SampleTimes(start, end, step);
    track.samples.reserve(times.size());
    if (first != nullptr) {
        track.samples.push_back(*first);
    }
    for (std::size_t index = first != nullptr ? 1 : 0; index < times.size(); ++index) {
        const double time = times[index];
        const Result<BodyMotion> motion = source.MotionAt(body, time);
        ++calls;
        if (!motion) {
            return motion.refusal();
        }
        const double longitude = track.samples.empty()
                                     ? motion->longitude
                                     : Unwrapped(motion->longitude, track.samples.back().longitude);
        track.samples.push_back({time, longitude, motion->speed});
    }
    return track;
}

double TrackLongitude(const BodyTrack& track, double time) {
    const std::vector<TrackSample>& samples = track.samples;
    auto after =
        std::upper_bound(samples.begin(), samples.end(), time,
                         [](double t, const TrackSample& sample) { return t < sample.time; });
    if (after == samples.begin()) {
        return samples.front().longitude;
    }
    if (after == samples.end()) {
        return samples.back().longitude;
    }
    const Segment segment(*(after - 1), *after);
    return segment.Value((time - segment.t0) / segment.h);
}

void WalkTrack(const BodyTrack& track, std::span<const double> targets,
               const std::function<void(const Crossing&)>& onCrossing,
               const std::function<void(double time)>& onStation) {
    std::vector<std::pair<double, int>> passed;
    for (std::size_t index = 1; index < track.samples.size(); ++index) {
        const Segment segment(track.samples[index - 1], track.samples[index]);
        double low = 0;
        const Stations stations = StationsOf(segment);
        for (int found = 0; found < stations.count; ++found) {
            const double station = stations.at[found];
            CrossPiece(segment, low, station, targets, onCrossing, passed);
            onStation(segment.TimeAt(station));
            low = station;
        }
        CrossPiece(segment, low, 1, targets, onCrossing, passed);
    }
}

Result<double> PolishCrossing(PositionSource& source, int body, double estimate, double target,
                              double bracket, long& calls) {
    double time = estimate;
    for (int step = 0; step < POLISH_STEPS; ++step) {
        const Result<BodyMotion> motion = source.MotionAt(body, time);
        ++calls;
        if (!motion) {
            return motion.refusal();
        }
        if (motion->speed == 0) {
            break;
        }
        const double off = Unwrapped(motion->longitude, target) - target;
        const double next =
            std::clamp(time - off / motion->speed, estimate - bracket, estimate + bracket);
        const bool done = std::fabs(next - time) < 1.0 / 1440;
        time = next;
        if (done) {
            break;
        }
    }
    return time;
}

Result<double> PolishStation(PositionSource& source, int body, double estimate, double bracket,
                             long& calls) {
    constexpr double OPENING = 0.05;  // days either side of the estimate
    const auto speedAt = [&](double time) {
        ++calls;
        return source.MotionAt(body, time);
    };
    double before = estimate - OPENING;
    double after = estimate + OPENING;
    Result<BodyMotion> atBefore = speedAt(before);
    Result<BodyMotion> atAfter = speedAt(after);
    for (int step = 0;; ++step) {
        if (!atBefore || !atAfter) {
            return (atBefore ? atAfter : atBefore).refusal();
        }
        const double speedBefore = atBefore->speed;
        const double speedAfter = atAfter->speed;
        if (step == POLISH_STEPS || speedAfter == speedBefore) {
            return after;
        }
        const double next =
            std::clamp(after - speedAfter * (after - before) / (speedAfter - speedBefore),
                       estimate - bracket, estimate + bracket);
        if (std::fabs(next - after) < 1.0 / 1440) {
            return next;
        }
        before = after;
        atBefore = atAfter;
        after = next;
        atAfter = speedAt(after);
    }
}

}  // namespace sarovin
