#include "vargas/varga_span.h"

#include <gtest/gtest.h>

#include <cmath>

namespace sarovin {
namespace {

constexpr int D1 = 0, D9 = 5, D10 = 6;

struct SpanCase {
    const char* working;
    int varga;
    double longitude;
    double degreesPerMinute;
    double before;
    double after;
};

// Worked by hand: the distances to the edges of the part divided by the
// speed.
TEST(SpanInPart, IsTheDistanceToTheEdgesOverTheSpeed) {
    constexpr double MOON_SPEED = 13.2 / 1440;  // 13.2° a day
    const SpanCase cases[] = {
        // Moon at Kataka 10°30' (100.5°) in the Navamsa from 100° to
        // 103°20': 0.5° / (13.2° / 1440 min) = 720 / 13.2 = 54.545 min before,
        // 2.8333° × 1440 / 13.2 = 309.09 min after.
        {"Moon, D9", D9, 100.5, MOON_SPEED, 54.545454, 309.090909},
        // Lagna at Kanya 5° (155°), 1° in 4 min: the Navamsa runs from
        // 153°20' to 156°40', 1°40' either side, 6.667 min each way; the
        // sign from 150° to 180°, 20 min before and 100 min after.
        {"Lagna, D9", D9, 155, 0.25, 6.666667, 6.666667},
        {"Lagna, D1", D1, 155, 0.25, 20, 100},
        // The Dasamsa from 153° to 156°: 2° / 0.25 = 8 min, 1° / 0.25 = 4.
        {"Lagna, D10", D10, 155, 0.25, 8, 4},
        // Retrograde at 0.25° a minute: earlier times lie ahead in the
        // zodiac, so the 1° to 156° is the time before.
        {"retrograde, D10", D10, 155, -0.25, 4, 8},
    };
    for (const SpanCase& test : cases) {
        const VargaSpan span = SpanInPart(VargaPartOf(test.varga, test.longitude), test.longitude,
                                          test.degreesPerMinute);
        EXPECT_NEAR(span.minutesBefore, test.before, 1e-5) << test.working;
        EXPECT_NEAR(span.minutesAfter, test.after, 1e-5) << test.working;
    }
}

TEST(SpanInPart, APointThatDoesNotMoveKeepsItsSign) {
    const VargaSpan span = SpanInPart(VargaPartOf(D9, 10), 10, 0);
    EXPECT_TRUE(std::isinf(span.minutesBefore));
    EXPECT_TRUE(std::isinf(span.minutesAfter));
}

// The Lagna's row holds its spans the same way round as the bodies': the
// Dasamsa from 153° to 156° with the Lagna at 155°, 1° in 4 min, is 8 min
// back and 4 min on.
TEST(ComputeVargaSpans, TheLagnasSpansRunBackThenOn) {
    BodyTable bodies;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        bodies.entries[slot] = MakeBodyEntry(static_cast<BodySlot>(slot), 155);
    }
    const SkyMotion motion{{}, 0.25};
    const VargaSpans spans = ComputeVargaSpans(bodies, 155.0, motion);
    ASSERT_TRUE(spans.lagna);
    EXPECT_NEAR((*spans.lagna)[D10].minutesBefore, 8, 1e-9);
    EXPECT_NEAR((*spans.lagna)[D10].minutesAfter, 4, 1e-9);
}

}  // namespace
}  // namespace sarovin
