#include <gtest/gtest.h>

#include "ephemeris/utc_time.h"

namespace sarovin {
namespace {

struct TimeCase {
    double julianDay;
    const char* text;
};

// Julian days by the standard definition: 2451545.0 is 2000-01-01 12:00
// UT, 2440587.5 is 1970-01-01 0h; 1800-01-02 is 2378497.5 and 2399-12-31
// is 2597640.5 (Meeus, "Astronomical Algorithms", ch. 7).
const TimeCase TIME_CASES[] = {
    {2451545.0, "2000-01-01T12:00Z"},
    {2440587.5, "1970-01-01T00:00Z"},
    {2378497.5, "1800-01-02T00:00Z"},
    {2597640.5, "2399-12-31T00:00Z"},
    {2451544.5 + 59.6 / 1440, "2000-01-01T01:00Z"},  // 00:59:36 rounds up
    {2451544.5 + 59.4 / 1440, "2000-01-01T00:59Z"},  // 00:59:24 rounds down
    {2451604.5 - 0.1 / 1440, "2000-03-01T00:00Z"},   // over the leap day's end
};

TEST(UtcTime, JulianDaysAsMinutesOfUtc) {
    for (const TimeCase& time : TIME_CASES) {
        EXPECT_EQ(IsoMinuteText(time.julianDay), time.text);
    }
}

TEST(UtcTime, EveryDateRoundTripsThroughItsJulianDay) {
    for (double day = JulianDayOfDate(1800, 1, 1); day < JulianDayOfDate(2400, 1, 1); day += 1) {
        const UtcMinute minute = MinuteOf(day);
        ASSERT_EQ(JulianDayOfDate(minute.year, minute.month, minute.day), day);
    }
    EXPECT_EQ(JulianDayOfDate(2000, 1, 1), 2451544.5);
}

// Times shown in the birth's zone are UT plus its offset: JD 2451545.0 is
// 2000-01-01 12:00 UT, 17:30 in India (+5:30), 07:00 in New York (-5:00);
// 19:12 UT (JD 2451545.3) is already 00:42 the next day in India.
TEST(UtcTime, AZonesTimeIsUniversalTimePlusItsOffset) {
    const struct {
        double julianDay;
        int offsetMinutes;
        int day;
        int hour;
        int minute;
    } cases[] = {
        {2451545.0, 330, 1, 17, 30},
        {2451545.0, -300, 1, 7, 0},
        {2451545.3, 330, 2, 0, 42},
    };
    for (const auto& c : cases) {
        const UtcMinute shown = MinuteOf(c.julianDay, c.offsetMinutes);
        EXPECT_EQ(shown.day, c.day) << c.offsetMinutes;
        EXPECT_EQ(shown.hour, c.hour) << c.offsetMinutes;
        EXPECT_EQ(shown.minute, c.minute) << c.offsetMinutes;
    }
}

}  // namespace
}  // namespace sarovin
