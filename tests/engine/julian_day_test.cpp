#include "engine/julian_day.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

struct DayCase {
    int year;
    int month;
    int day;
    double dayNumber;
};

// The worked day numbers (1 January 2000, 1 January 1901, 31 December 2050,
// 29 February 2000, both sides of the Gregorian reform) and those of the
// worked Moon births of 31 December 1999 and 15 June 1980.
TEST(JulianDay, MatchesKnownDayNumbers) {
    const DayCase cases[] = {
        {2000, 1, 1, 2451545},  {1901, 1, 1, 2415386},   {2050, 12, 31, 2470172},
        {2000, 2, 29, 2451604}, {1999, 12, 31, 2451544}, {1980, 6, 15, 2444406},
        {1582, 10, 4, 2299160}, {1582, 10, 16, 2299162},
    };
    for (const DayCase& c : cases) {
        EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.dayNumber)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(JulianDay, GregorianCutoverIsStrictlyAfterTheFifteenth) {
    // 15 October 1582 is still counted in the Julian calendar.
    EXPECT_EQ(JulianDayNumber(10, 15, 1582), 2299171);
    EXPECT_EQ(JulianDayNumber(10, 16, 1582) - JulianDayNumber(10, 4, 1582), 2);
}

TEST(JulianDay, ConsecutiveDaysDifferByOneAcrossTheOfferedYears) {
    for (int year = 1901; year <= 2050; ++year) {
        EXPECT_EQ(JulianDayNumber(1, 1, year + 1) - JulianDayNumber(12, 31, year), 1) << year;
        EXPECT_EQ(JulianDayNumber(3, 1, year) - JulianDayNumber(2, 28, year), year % 4 == 0 ? 2 : 1)
            << year;
    }
}

// Worked values: T = 0 at noon of 1 January 2000, T = -0.1954654 for the New
// Delhi birth (15 June 1980, 03:00 UT).
TEST(CenturiesSinceJ2000, IsZeroAtNoonOfTheFirstOf2000) {
    EXPECT_EQ(CenturiesSinceJ2000(2451545, 12), 0.0);
    EXPECT_NEAR(CenturiesSinceJ2000(2444406, 3), -0.1954654, 5e-8);
}

BirthRecord Birth(int hour, int minute, int zoneHours, int zoneMinutes, bool east,
                  int longitudeDegrees = 77, bool daylightSaving = false) {
    BirthRecord record;
    record.day = 1;
    record.month = 1;
    record.year = 2000;
    record.hour = static_cast<std::int16_t>(hour);
    record.minute = static_cast<std::int16_t>(minute);
    record.zoneHoursAbs = static_cast<std::int16_t>(zoneHours);
    record.zoneMinutesAbs = static_cast<std::int16_t>(zoneMinutes);
    record.longitudeDegrees = static_cast<std::int16_t>(longitudeDegrees);
    record.isEast = east;
    record.daylightSaving = daylightSaving;
    return record;
}

struct UniversalTimeCase {
    const char* what;
    BirthRecord record;
    double universalHours;
};

// The worked Universal Times (00:30 at 5 h 30 min East gives -5.0 and West
// +6.0; daylight saving East at 1 h gives clock - 2 h, West at 5 h clock + 4 h,
// 0°00' clock - 1 h; 0°00' East counts as West; 23:45 West at 5 h with
// daylight saving gives 27.75) and, by hand, the largest corrections of the
// zone list at the ends of the day.
TEST(BirthUniversalTime, AppliesTheZoneByHemisphereAndDaylightSaving) {
    const UniversalTimeCase cases[] = {
        {"east zone is subtracted, date kept", Birth(0, 30, 5, 30, true), -5.0},
        {"west zone is added", Birth(0, 30, 5, 30, false), 6.0},
        {"east with daylight saving", Birth(10, 0, 1, 0, true, 10, true), 8.0},
        {"west with daylight saving", Birth(10, 0, 5, 0, false, 74, true), 14.0},
        {"0°00' east counts as west", Birth(10, 0, 2, 0, true, 0), 12.0},
        {"0°00' with daylight saving", Birth(10, 0, 0, 0, true, 0, true), 9.0},
        {"largest east correction at midnight", Birth(0, 0, 13, 0, true), -13.0},
        {"largest west correction at 23:59", Birth(23, 59, 12, 0, false), 23 + 59 / 60.0 + 12},
        {"evening west with daylight saving", Birth(23, 45, 5, 0, false, 74, true), 27.75},
    };
    for (const UniversalTimeCase& c : cases) {
        EXPECT_DOUBLE_EQ(BirthUniversalTime(c.record), c.universalHours) << c.what;
    }
}

TEST(BirthUniversalTime, IgnoresLatitudeAndTheZoneSign) {
    BirthRecord north = Birth(6, 0, 5, 30, true);
    BirthRecord south = north;
    south.isSouth = true;
    south.latitudeDegrees = 33;
    south.zoneHoursToUt = -5;
    south.zoneMinutesToUt = -30;
    EXPECT_EQ(BirthUniversalTime(north), BirthUniversalTime(south));
}

}  // namespace
}  // namespace sarovin
