#include "calculation/sky.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "calculation/sky_texts.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

// 15 June 1980 08:30 Indian Time is 03:00 UT; 28°36' N 77°12' E.
// swetest -b15.6.1980 -ut3:00 -p0123456mt -sid1 -fPl -head -eswe
//   -edir/usr/share/libswe/ephe -house77.2,28.6,P
constexpr double SWETEST_LONGITUDES[] = {60.5800489,  89.1542398,  85.0362557,
                                         60.8731689,  143.0012987, 130.1487379,
                                         147.0863186, 119.5173378, 299.5173378};
constexpr double SWETEST_TRUE_NODE = 118.0712518;
constexpr double SWETEST_ASCENDANT = 100.7663021;
// swetest -b15.6.1980 -ut3:00 -ay1: 23°34'52.0451"
constexpr double SWETEST_AYANAMSA = 23 + 34 / 60.0 + 52.0451 / 3600;
constexpr double HALF_ARCSECOND = 0.5 / 3600;

TEST(ComputeSky, SwissPositionsAreSwetestsAtTheDerivedUniversalTime) {
    const Result<Sky> sky =
        ComputeSky(testing::AshaRaoBirth(), {Ephemeris::Swiss, LunarNode::Mean});
    ASSERT_TRUE(sky) << sky.refusal().message;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        EXPECT_NEAR(sky->bodies.entries[slot].longitude, SWETEST_LONGITUDES[slot], HALF_ARCSECOND)
            << slot;
    }
    EXPECT_EQ(sky->bodies.entries[Sun].position, "00 Gem 34");
    EXPECT_EQ(sky->bodies.entries[SNode].position, "29 Cap 31");
    ASSERT_TRUE(sky->lagna);
    EXPECT_NEAR(*sky->lagna, SWETEST_ASCENDANT, HALF_ARCSECOND);
    EXPECT_NEAR(sky->ayanamsa, SWETEST_AYANAMSA, HALF_ARCSECOND);
    ASSERT_TRUE(sky->universalTime);
    EXPECT_EQ(*sky->universalTime, (CivilTime{1980, 6, 15, 3, 0}));
    EXPECT_EQ(LagnaLine(*sky), "Lagna 10 Can 45");
}

// A clock kept at an exact offset with seconds reaches Universal Time with
// seconds: 08:30:00 less 05:31:10 is 02:58:50; a zone row's whole minutes
// give none.
TEST(ComputeSky, TheUniversalTimeShowsItsSecondsWhenItHasThem) {
    BirthRecord record = testing::AshaRaoBirth();
    record.exactOffset = ExactOffset{5 * 3600 + 31 * 60 + 10, OffsetSource::Typed, {}};
    const Result<Sky> sky = ComputeSky(record, {Ephemeris::Swiss, LunarNode::Mean});
    ASSERT_TRUE(sky);
    EXPECT_EQ(SkyUniversalTimeText(*sky, 'T'), "1980-06-15T02:58:50");
    EXPECT_TRUE(EphemerisLine(*sky).ends_with(", UT 1980-06-15 02:58:50")) << EphemerisLine(*sky);
    const Result<Sky> whole =
        ComputeSky(testing::AshaRaoBirth(), {Ephemeris::Swiss, LunarNode::Mean});
    ASSERT_TRUE(whole);
    EXPECT_EQ(SkyUniversalTimeText(*whole, ' '), "1980-06-15 03:00");
}

// At a pole the horizon has no east point, so the Lagna is undefined.
TEST(ComputeSky, ALagnaAtAPoleCarriesACaveat) {
    const std::pair<int, bool> cases[] = {{90, true}, {89, false}};
    for (const auto& [degrees, caveat] : cases) {
        for (const bool south : {false, true}) {
            BirthRecord record = testing::AshaRaoBirth();
            record.latitudeDegrees = static_cast<std::int16_t>(degrees);
            record.latitudeMinutes = 0;
            record.isSouth = south;
            const Result<Sky> sky = ComputeSky(record, {Ephemeris::Swiss, LunarNode::Mean});
            ASSERT_TRUE(sky) << degrees;
            EXPECT_EQ(
                LagnaLine(*sky).ends_with(" (undefined at the pole: the library's convention)"),
                caveat)
                << degrees << south;
        }
    }
}

TEST(ComputeSky, TheTrueNodeReachesTheResult) {
    const Result<Sky> sky =
        ComputeSky(testing::AshaRaoBirth(), {Ephemeris::Swiss, LunarNode::True});
    ASSERT_TRUE(sky);
    EXPECT_NEAR(sky->bodies.entries[NNode].longitude, SWETEST_TRUE_NODE, HALF_ARCSECOND);
    EXPECT_NEAR(sky->bodies.entries[SNode].longitude, SWETEST_TRUE_NODE + 180, HALF_ARCSECOND);
    EXPECT_EQ(sky->used.node, LunarNode::True);
    EXPECT_NE(EphemerisLine(*sky).find("true node"), std::string::npos);
}

TEST(ComputeSky, TheBuiltInEphemerisIsTheBodyTableUnchanged) {
    const BirthRecord record = testing::AshaRaoBirth();
    const Result<Sky> sky = ComputeSky(record, {Ephemeris::BuiltIn, LunarNode::True});
    ASSERT_TRUE(sky);
    EXPECT_EQ(sky->bodies, ComputeBodyTable(record));
    EXPECT_EQ(sky->used, (EphemerisChoice{Ephemeris::BuiltIn, LunarNode::Mean}));
    EXPECT_FALSE(sky->lagna);
    EXPECT_FALSE(sky->universalTime);
    EXPECT_EQ(LagnaLine(*sky), "");
    EXPECT_EQ(EphemerisLine(*sky), "Built-in (v1.15) ephemeris, ayanamsa 23\u00B034'54\"");
}

// The Swiss Ephemeris reads its data folder once in each thread, so a fresh
// thread sees the folder named in the environment.
TEST(ComputeSky, AMissingDataFolderIsSaidNotHidden) {
    ::setenv("SAROVIN_EPHEMERIS_PATH", "/nonexistent-sarovin-ephemeris", 1);
    std::optional<Result<Sky>> sky;
    std::thread([&sky] {
        sky = ComputeSky(testing::AshaRaoBirth(), {Ephemeris::Swiss, LunarNode::Mean});
    }).join();
    ::unsetenv("SAROVIN_EPHEMERIS_PATH");
    ASSERT_FALSE(*sky);
    EXPECT_NE(sky->refusal().message.find("/nonexistent-sarovin-ephemeris"), std::string::npos)
        << sky->refusal().message;
}

// Retrograde by the speeds swetest gives at 12:00 UT (degrees a day):
//   swetest -bD.M.Y -ut12:00 -p23456 -fPs -head -sid1 -eswe
struct RetrogradeCase {
    int day, month, year;
    std::array<bool, 5> mercuryToSaturn;
};

TEST(Sky, MarksRetrogradePlanetsBySwissSpeeds) {
    const RetrogradeCase cases[] = {
        // Me -0.099, Ve 1.216, Ma 0.742, Ju 0.0048, Sa 0.089
        {1, 1, 2024, {true, false, false, false, false}},
        // Me -0.466, Ve 1.228, Ma 0.659, Ju 0.162, Sa -0.061
        {10, 8, 2024, {true, false, false, false, true}},
        // Me -0.953, Ve 1.167, Ma 0.071, Ju -0.135, Sa 0.028
        {1, 12, 2024, {true, false, false, true, false}},
    };
    for (const RetrogradeCase& c : cases) {
        BirthRecord record = testing::GreenwichNoonBirth();
        record.day = static_cast<std::int16_t>(c.day);
        record.month = static_cast<std::int16_t>(c.month);
        record.year = static_cast<std::int16_t>(c.year);
        const Result<Sky> sky = ComputeSky(record, {Ephemeris::Swiss, LunarNode::Mean});
        ASSERT_TRUE(sky) << sky.refusal().message;
        for (int slot = Mercury; slot <= Saturn; ++slot) {
            EXPECT_EQ(IsRetrograde(*sky, slot), c.mercuryToSaturn[slot - Mercury])
                << c.day << "." << c.month << "." << c.year << " slot " << slot;
        }
        EXPECT_FALSE(IsRetrograde(*sky, Sun));
        EXPECT_FALSE(IsRetrograde(*sky, NNode));
    }
    EXPECT_FALSE(IsRetrograde(*ComputeSky(testing::GreenwichNoonBirth(), {}), Mercury));
}

}  // namespace
}  // namespace sarovin
