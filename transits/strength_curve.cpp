#include "transits/strength_curve.h"

#include "drishti/classical_sputa_drishti.h"

namespace sarovin {

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
