#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "drishti/classical_sputa_drishti.h"
#include "engine/body_slot.h"
#include "ephemeris/utc_time.h"
#include "swiss/swiss_position_source.h"
#include "transits/transit_search.h"

namespace {

using namespace sarovin;

constexpr int FIRST_YEAR = 1950;
constexpr double HOUR = 1.0 / 24;
constexpr int TRANSITING = NNode + 1;

// Twenty-two natal points, as a reading with houses has: nine bodies, the
// Lagna and twelve madhyas.
std::vector<NatalPoint> NatalPoints() {
    std::vector<NatalPoint> points;
    for (int point = 0; point < 22; ++point) {
        points.push_back({"Point " + std::to_string(point), std::fmod(point * 47.3 + 11.1, 360)});
    }
    return points;
}

PositionSourceFactory Sources() {
    return SwissPositionSources(AyanamsaSystem::Lahiri, LunarNode::Mean);
}

// Every event of range(0) years from 1950 on range(1) threads, by root
// finding.
void BM_RootFoundTransits(benchmark::State& state) {
    TransitRequest request{
        .points = NatalPoints(),
        .from = JulianDayOfDate(FIRST_YEAR, 1, 1),
        .to = JulianDayOfDate(FIRST_YEAR + static_cast<int>(state.range(0)), 1, 1)};
    request.threads = static_cast<int>(state.range(1));
    TransitCounts counts;
    for (auto _ : state) {
        counts = *SearchTransits(request, Sources(), [](const TransitEvent& event) {
            benchmark::DoNotOptimize(event.start);
        });
    }
    state.counters["events"] = static_cast<double>(counts.events);
    state.counters["ephemerisCalls"] = static_cast<double>(counts.ephemerisCalls);
}
BENCHMARK(BM_RootFoundTransits)
    ->Args({1, 1})
    ->Args({100, 1})
    ->Args({100, 2})
    ->Unit(benchmark::kMillisecond);

// The same year scanned hour by hour: every transiting body read each hour
// and each window's state (its sign, its strength against 45 virupas)
// looked at afresh, changes counted; the times it gives are good to the
// hour only, before any interpolation.
void BM_HourlyScan(benchmark::State& state) {
    const std::vector<NatalPoint> points = NatalPoints();
    const double from = JulianDayOfDate(FIRST_YEAR, 1, 1);
    const double to = JulianDayOfDate(FIRST_YEAR + static_cast<int>(state.range(0)), 1, 1);
    long calls = 0;
    long changes = 0;
    for (auto _ : state) {
        const std::unique_ptr<PositionSource> source = Sources()();
        std::vector<int> lastSign(TRANSITING, -1);
        std::vector<std::vector<bool>> lastAbove(ASPECTING_PLANETS,
                                                 std::vector<bool>(points.size()));
        for (double time = from; time < to; time += HOUR) {
            for (int body = 0; body < TRANSITING; ++body) {
                const double longitude = source->MotionAt(body, time)->longitude;
                ++calls;
                const int sign = static_cast<int>(longitude / 30);
                changes += sign != lastSign[body];
                lastSign[body] = sign;
                for (std::size_t point = 0; body < ASPECTING_PLANETS && point < points.size();
                     ++point) {
                    const bool above = ClassicalSputaStrength(
                                           body, AspectAngle(longitude, points[point].longitude)) >=
                                       DEFAULT_THRESHOLD;
                    changes += above != lastAbove[body][point];
                    lastAbove[body][point] = above;
                }
            }
        }
    }
    state.counters["changes"] = static_cast<double>(changes / state.iterations());
    state.counters["ephemerisCalls"] = static_cast<double>(calls / state.iterations());
}
BENCHMARK(BM_HourlyScan)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
