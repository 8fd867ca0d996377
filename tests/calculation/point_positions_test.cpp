#include "calculation/point_positions.h"

#include <gtest/gtest.h>

#include "calculation/calculation.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

// The Vimshottari lords run Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter,
// Saturn, Mercury from Ashwini, three times round (Brihat Parashara Hora
// Shastra, ch. 46).
TEST(NakshatraLord, FollowsTheVimshottariOrderRoundTheZodiacThreeTimes) {
    const std::pair<int, BodySlot> cases[] = {
        {0, SNode}, {1, Venus},  {4, Mars},  {8, Mercury}, {9, SNode},
        {13, Mars}, {18, SNode}, {21, Moon}, {25, Saturn}, {26, Mercury},
    };
    for (const auto& [nakshatra, lord] : cases) {
        EXPECT_EQ(NakshatraLord(nakshatra), lord) << NakshatraNames[nakshatra];
    }
}

Calculation AshaRaoSwiss(HouseSystem system) {
    EphemerisChoice choice{Ephemeris::Swiss, LunarNode::Mean};
    choice.houses = system;
    const BirthRecord record = testing::AshaRaoBirth();
    Result<Sky> sky = ComputeSky(record, choice);
    EXPECT_TRUE(sky);
    return *CompleteCalculation(record, 0, std::move(*sky), {});
}

// Asha Rao, 03:00 UT on 15 June 1980, 77°12' E 28°36' N, Lahiri:
//   swetest -b15.6.1980 -ut3:00 -p0123456m -sid1 -fPls -head -house77.2,28.6,P
// gives the Ascendant 100.7663021, MC 4.1528193, Sun 60.5800489 (0.9552916°
// a day), Moon 89.1542398, Venus 60.8731689 (-0.6260491° a day). By hand,
// a nakshatra is 13°20' and a pada 3°20':
//   Lagna 100.766 = 7 × 13.333 + 7.433: Pushya (Saturn's), pada 3;
//   Sun 60.580 = 4 × 13.333 + 7.247: Mrigashira (Mars's), pada 3;
//   Moon 89.154 = 6 × 13.333 + 9.154: Punarvasu (Jupiter's), pada 3;
//   MC 4.153: Ashwini (Ketu's), pada 2.
// Under Sripati's houses the 10th madhya is the MC, so the MC is in the
// 10th; Placidus starts the 10th at the MC.
TEST(PointPositions, TheLagnaBodiesAndMidheavenAgreeWithSwetest) {
    for (const HouseSystem system : {HouseSystem::Sripati, HouseSystem::Placidus}) {
        const std::vector<PointPosition> points = AshaRaoSwiss(system).positions;
        ASSERT_EQ(points.size(), 11U);
        const PointPosition& lagna = points[0];
        EXPECT_EQ(lagna.name, "Lagna");
        EXPECT_EQ(lagna.nakshatra, (NakshatraPada{7, 3}));
        EXPECT_EQ(lagna.lord, Saturn);
        EXPECT_EQ(lagna.house, 1);
        const PointPosition& sun = points[1 + Sun];
        EXPECT_EQ(sun.nakshatra, (NakshatraPada{4, 3}));
        EXPECT_EQ(sun.lord, Mars);
        EXPECT_NEAR(*sun.dailyMotion, 0.9552916, 1e-4);
        EXPECT_FALSE(sun.retrograde);
        EXPECT_EQ(points[1 + Moon].nakshatra, (NakshatraPada{6, 3}));
        EXPECT_EQ(points[1 + Moon].lord, Jupiter);
        const PointPosition& venus = points[1 + Venus];
        EXPECT_TRUE(venus.retrograde);
        EXPECT_NEAR(*venus.dailyMotion, -0.6260491, 1e-4);
        const PointPosition& mc = points.back();
        EXPECT_EQ(mc.name, "MC");
        EXPECT_NEAR(mc.longitude, 4.1528193, 1e-6);
        EXPECT_EQ(mc.nakshatra, (NakshatraPada{0, 2}));
        EXPECT_EQ(mc.lord, SNode);
        EXPECT_EQ(mc.house, 10);
    }
}

// The built-in ephemeris gives neither Lagna nor houses nor speeds: the
// nine bodies alone, without house or motion.
TEST(PointPositions, TheBuiltInEphemerisGivesTheNineBodiesAlone) {
    const BirthRecord record = testing::AshaRaoBirth();
    Result<Sky> sky = ComputeSky(record, {});
    ASSERT_TRUE(sky);
    const std::vector<PointPosition> points =
        CompleteCalculation(record, 0, std::move(*sky), {})->positions;
    ASSERT_EQ(points.size(), 9U);
    for (const PointPosition& point : points) {
        EXPECT_FALSE(point.house || point.dailyMotion || point.retrograde) << point.name;
    }
}

}  // namespace
}  // namespace sarovin
