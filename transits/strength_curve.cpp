#include "transits/strength_curve.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "drishti/classical_sputa_drishti.h"

namespace sarovin {

namespace {

// The shortest time, in days, in which each planet's strength on a fixed
// point runs through its range: the sidereal period, or the synodic one
// where the retrograde loops come round sooner (the mean periods of the
// standard astronomical tables).
constexpr std::array<double, 7> SHORTEST_CYCLE_DAYS = {
    365.256,  // Sun: the sidereal year
    27.322,   // Moon: the sidereal month
    115.88,   // Mercury: synodic
    365.256,  // Venus: the year it keeps with the Sun (synodic 583.9)
    686.98,   // Mars: sidereal (synodic 779.9)
    398.88,   // Jupiter: synodic
    378.09,   // Saturn: synodic
};

}  // namespace

int StrengthSampleCount(int planet, double from, double to) {
    const double cycles = (to - from) / SHORTEST_CYCLE_DAYS[static_cast<std::size_t>(planet)];
    return std::max(FEWEST_PLOT_SAMPLES,
                    static_cast<int>(std::ceil(cycles * SAMPLES_PER_CYCLE)) + 1);
}

Result<std::vector<StrengthSample>> SampleStrength(PositionSource& source, int planet,
                                                   double natalLongitude, double from, double to,
                                                   int count) {
    std::vector<StrengthSample> samples;
    samples.reserve(count);
    for (int index = 0; index < count; ++index) {
        const double time = from + (to - from) * index / (count - 1);
        const Result<BodyMotion> motion = source.MotionAt(planet, time);
        if (!motion) {
            return motion.refusal();
        }
        samples.push_back(
            {time, ClassicalSputaStrength(planet, AspectAngle(motion->longitude, natalLongitude))});
    }
    return samples;
}

}  // namespace sarovin
