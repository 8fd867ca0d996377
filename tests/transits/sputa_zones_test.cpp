#include <gtest/gtest.h>

#include "drishti/classical_sputa_drishti.h"
#include "engine/body_slot.h"
#include "transits/sputa_zones.h"

namespace sarovin {
namespace {

struct ZoneCase {
    int planet;
    double threshold;
    std::vector<ZodiacArc> arcs;
};

// By hand from the classical bands: 2(a - 150) >= 45 from 172.5, and
// (300 - a)/2 >= 45 up to 210, for every planet. Saturn adds 45 in 60-90
// (a - 45 + 45 = a >= 60) and 270-300; Mars 15 in 90-120 (30 + (120 - a)/2
// + 15 >= 45 all through) and 210-240 ((300 - a)/2 + 15 > 45), joining the
// arc before it; Jupiter 30 in 120-150 (150 - a + 30 >= 45 up to 135) and
// 240-270 ((300 - a)/2 + 30 >= 45 all through). The single angle 90, where
// every planet's strength is exactly 45, is no arc. At 30 virupas the
// Sun's strength holds from 75 (a - 45 = 30) through 90-120 (30 + (120 -
// a)/2 >= 30) and from 165 (2(a - 150) = 30) to 240 ((300 - a)/2 = 30).
const std::vector<ZoneCase> ZONE_CASES = {
    {Sun, 45, {ArcFromTo(172.5, 210)}},
    {Moon, 45, {ArcFromTo(172.5, 210)}},
    {Saturn, 45, {ArcFromTo(60, 90), ArcFromTo(172.5, 210), ArcFromTo(270, 300)}},
    {Mars, 45, {ArcFromTo(90, 120), ArcFromTo(172.5, 240)}},
    {Jupiter, 45, {ArcFromTo(120, 135), ArcFromTo(172.5, 210), ArcFromTo(240, 270)}},
    {Sun, 30, {ArcFromTo(75, 120), ArcFromTo(165, 240)}},
    {Venus, 60, {}},
};

TEST(SputaZones, ArcsAtOrAboveTheThresholdAsWorkedOutByHand) {
    for (const ZoneCase& zone : ZONE_CASES) {
        EXPECT_EQ(ZonesAtOrAbove(zone.planet, zone.threshold).arcs, zone.arcs)
            << SlotNames[zone.planet].englishName << " at " << zone.threshold;
    }
}

TEST(SputaZones, EveryAngleReachesZero) {
    const SputaZones zones = ZonesAtOrAbove(Mars, 0);
    EXPECT_TRUE(zones.whole);
    EXPECT_TRUE(zones.Contains(0));
    EXPECT_TRUE(zones.Contains(359.9));
}

// The zones rest on the strength being linear within each 30-degree band:
// checked at a quarter and three quarters of every band against the
// classical rule itself.
TEST(SputaZones, TheStrengthIsLinearWithinEveryBand) {
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        for (double start = 0; start < 360; start += 30) {
            const double first = ClassicalSputaStrength(planet, start);
            const double end = StrengthBelow(planet, start + 30);
            for (const double share : {0.25, 0.75}) {
                EXPECT_NEAR(ClassicalSputaStrength(planet, start + 30 * share),
                            first + (end - first) * share, 1e-12)
                    << SlotNames[planet].englishName << " at " << start;
            }
        }
    }
}

TEST(SputaZones, APeakAtABandEdgeTakesTheHigherSide) {
    // Saturn's special aspect ends at 90: a - 45 + 45 rises to 90 below it,
    // 30 + (120 - 90)/2 = 45 at it.
    EXPECT_DOUBLE_EQ(StrengthReached(Saturn, 90), 90);
    EXPECT_DOUBLE_EQ(StrengthReached(Sun, 180), 60);
}

}  // namespace
}  // namespace sarovin
