#include "transits/strength_curve.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/body_slot.h"
#include "ephemeris/utc_time.h"
#include "swiss/swiss_position_source.h"

namespace sarovin {
namespace {

// The Sun's strength on a point is 45 virupas or more from 172.5° to 210°
// past it (2(a - 150) and (300 - a)/2, by hand), 37.5° that the Sun,
// at most 1.02° a day, takes at least 36.8 days over, once a year. A plot
// of 600 years must show that peak in every year; 1,500 moments, 146 days
// apart, missed it in most and drew waves decades long instead.
TEST(StrengthCurve, APlotOfCenturiesShowsEveryYearsPeak) {
    const double from = JulianDayOfDate(1800, 1, 2);
    const double to = JulianDayOfDate(2399, 12, 31);
    constexpr double NATAL = 123.4;
    const auto source = SwissPositionSources(AyanamsaSystem::Lahiri, LunarNode::Mean)();
    const Result<std::vector<StrengthSample>> samples =
        SampleStrength(*source, Sun, NATAL, from, to, StrengthSampleCount(Sun, from, to));
    ASSERT_TRUE(samples);
    constexpr double YEAR = 365.25;
    for (double start = from; start + YEAR <= to; start += YEAR) {
        double peak = 0;
        for (const StrengthSample& sample : *samples) {
            if (sample.time >= start && sample.time < start + YEAR) {
                peak = std::max(peak, sample.virupas);
            }
        }
        ASSERT_GE(peak, 45) << IsoMinuteText(start);
    }
}

}  // namespace
}  // namespace sarovin
