#include <gtest/gtest.h>

#include "engine/body_slot.h"
#include "strengths/day_lords.h"
#include "strengths/kala_bala.h"
#include "strengths/shadbala.h"
#include "tests/strengths/raman_example.h"

namespace sarovin {
namespace {

// Days at Greenwich (longitude 0), sunrise at 6h UT, birth at 6h + hours.
BirthDay GreenwichDay(double julianDayAtMidnight, double hoursAfterSunrise) {
    const double sunrise = julianDayAtMidnight + 0.25;
    return {sunrise + hoursAfterSunrise / 24, sunrise, sunrise + 0.5, sunrise + 1, 0};
}

struct LordsCase {
    const char* what;
    BirthDay day;
    int weekday;
    int weekdayLord;
    int horaLord;
};

// Weekdays from the calendar; a day's first hour is its weekday lord's,
// then Saturn, Jupiter, Mars, the Sun, Venus, Mercury, the Moon in turn.
TEST(DayLords, FollowTheWeekdayAndTheHours) {
    const LordsCase cases[] = {
        {"1 January 1860, a Sunday, 1st hour", GreenwichDay(2400410.5, 0.5), 0, Sun, Sun},
        {"1 January 1860, 2nd hour", GreenwichDay(2400410.5, 1.5), 0, Sun, Venus},
        {"1 January 2000, a Saturday, 8th hour", GreenwichDay(2451544.5, 7.5), 6, Saturn, Saturn},
        {"Raman's birth, a Wednesday, 9th hour", testing::RamanInputs().day, 3, Mercury, Moon},
    };
    for (const LordsCase& c : cases) {
        const DayLords lords = ComputeDayLords(c.day);
        EXPECT_EQ(lords.weekday, c.weekday) << c.what;
        EXPECT_EQ(lords.weekdayLord, c.weekdayLord) << c.what;
        EXPECT_EQ(lords.horaLord, c.horaLord) << c.what;
    }
}

// Raman gives Saturn as the lord of the year and Mercury of the month for
// his standard horoscope; by hand, the ahargana 714404108573 + 21472 =
// 714404130045 days: 1984455916 years of 360 days, x 3 + 1 = 5953367749,
// remainder by 7 is 0: Saturday; 23813471001 months of 30, x 2 + 1 =
// 47626942003, remainder 4: Wednesday.
TEST(DayLords, TheYearAndMonthOfRamansBirth) {
    const DayLords lords = ComputeDayLords(testing::RamanInputs().day);
    EXPECT_EQ(lords.ahargana, 714404130045);
    EXPECT_EQ(lords.yearLord, Saturn);
    EXPECT_EQ(lords.monthLord, Mercury);
}

struct KrantiCase {
    double tropical;
    double degrees;
};

// Raman's table: 362', 703', 1002', 1238', 1388', 1440' at 15° steps of
// the distance from the nearer equinox, south beyond 180°.
TEST(Kranti, FollowsRamansTable) {
    const KrantiCase cases[] = {
        {0, 0},
        {15, 362.0 / 60},
        {22.5, (362 + 341.0 / 2) / 60},
        {90, 24},
        {150, 703.0 / 60},
        {180, 0},
        {195, -362.0 / 60},
        {270, -24},
        {345, -362.0 / 60},
    };
    for (const KrantiCase& c : cases) {
        EXPECT_NEAR(Kranti(c.tropical), c.degrees, 1e-9) << c.tropical;
    }
}

// A birth 3 hours after sunset on a 12-hour night is in its first third
// (the Moon's) and 3 hours before midnight: the Moon, Mars and Saturn have
// 60 x 9 / 12 = 45 of Nathonnata, the day planets 15.
TEST(KalaBala, ANightBirth) {
    ShadbalaInputs inputs = testing::RamanInputs();
    inputs.day = GreenwichDay(2451544.5, 15);
    const std::array<KalaBala, ASPECTING_PLANETS> kala =
        ComputeKalaBala(inputs, ComputeDayLords(inputs.day), RAMAN_STRENGTH_RULES);
    EXPECT_NEAR(kala[Moon].nathonnata.virupas, 45, 1e-9);
    EXPECT_NEAR(kala[Sun].nathonnata.virupas, 15, 1e-9);
    EXPECT_EQ(kala[Moon].tribhaga.virupas, 60);
    EXPECT_EQ(kala[Jupiter].tribhaga.virupas, 60);
    EXPECT_EQ(kala[Saturn].tribhaga.virupas, 0);
}

// Mars moved to 0°30' from Saturn fights it: the one with more Sthana,
// Dig and Kala Bala wins the difference over the difference of the discs
// (158 - 9.4), which the loser gives up.
TEST(Shadbala, APlanetaryWarPassesStrengthFromLoserToWinner) {
    ShadbalaInputs inputs = testing::RamanInputs();
    inputs.longitudes[Mars] = inputs.longitudes[Saturn] + 0.5;
    const Shadbala peace = ComputeShadbala(inputs, [] {
        StrengthRules rules = RAMAN_STRENGTH_RULES;
        rules.yuddha = false;
        return rules;
    }());
    const Shadbala war = ComputeShadbala(inputs, RAMAN_STRENGTH_RULES);
    ASSERT_EQ(war.wars.size(), 1u);
    const PlanetaryWar& fight = war.wars.front();
    const auto sum = [&peace](int planet) {
        const PlanetShadbala& b = peace.planets[planet];
        return b.sthana.virupas + b.dig.virupas + b.kala.virupas;
    };
    const int winner = sum(Mars) > sum(Saturn) ? Mars : Saturn;
    EXPECT_EQ(fight.winner, winner);
    EXPECT_EQ(fight.loser, winner == Mars ? Saturn : Mars);
    EXPECT_NEAR(fight.virupas, std::abs(sum(Mars) - sum(Saturn)) / (158 - 9.4), 1e-9);
    EXPECT_NEAR(war.planets[fight.winner].kala.yuddha.virupas, fight.virupas, 1e-12);
    EXPECT_NEAR(war.planets[fight.loser].kala.yuddha.virupas, -fight.virupas, 1e-12);
    EXPECT_TRUE(ComputeShadbala(testing::RamanInputs(), RAMAN_STRENGTH_RULES).wars.empty());
}

}  // namespace
}  // namespace sarovin
