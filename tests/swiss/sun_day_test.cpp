#include "swiss/sun_day.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

constexpr double Ut(double day, double hours, double minutes, double seconds) {
    return day + (hours + minutes / 60 + seconds / 3600) / 24;
}

struct SunDayCase {
    const char* what;
    double birth;
    SunDay expected;
};

// swetest -b15.10.1918 -ut0 -rise -p0 -geopos77.5833333,13,0 -norefrac
//         -disccenter -n3 -edir/usr/share/libswe/ephe
// at Bangalore: rise 15.10 00:43:20.7, set 12:27:53.5; rise 16.10
// 00:43:28.2, set 12:27:19.2; rise 17.10 00:43:36.1.
TEST(SunDay, IsTheHinduDayAroundTheMoment) {
    constexpr double OCTOBER_15 = 2421881.5;
    constexpr double OCTOBER_16 = 2421882.5;
    constexpr double OCTOBER_17 = 2421883.5;
    const SunDayCase cases[] = {
        {"Raman's birth, 08:55:56 UT",
         Ut(OCTOBER_16, 8, 55, 56),
         {Ut(OCTOBER_16, 0, 43, 28.2), Ut(OCTOBER_16, 12, 27, 19.2), Ut(OCTOBER_17, 0, 43, 36.1)}},
        {"before the sunrise belongs to the day before",
         Ut(OCTOBER_16, 0, 30, 0),
         {Ut(OCTOBER_15, 0, 43, 20.7), Ut(OCTOBER_15, 12, 27, 53.5), Ut(OCTOBER_16, 0, 43, 28.2)}},
        {"after the sunset",
         Ut(OCTOBER_16, 20, 0, 0),
         {Ut(OCTOBER_16, 0, 43, 28.2), Ut(OCTOBER_16, 12, 27, 19.2), Ut(OCTOBER_17, 0, 43, 36.1)}},
    };
    constexpr double SECOND = 1.0 / 86400;
    for (const SunDayCase& c : cases) {
        const SwissRequest request{c.birth, 13, 77 + 35.0 / 60};
        const Result<SunDay> day = ComputeSunDay(request);
        ASSERT_TRUE(day) << c.what << ": " << day.refusal().message;
        EXPECT_NEAR(day->sunrise, c.expected.sunrise, SECOND) << c.what;
        EXPECT_NEAR(day->sunset, c.expected.sunset, SECOND) << c.what;
        EXPECT_NEAR(day->nextSunrise, c.expected.nextSunrise, SECOND) << c.what;
    }
}

// The sunrise in closed form against the library's search, away from the
// tropics and south of the equator:
// swetest -b10.6.2000 -ut0 -rise -p0 -geopos10.75,59.9,0 -norefrac
//         -disccenter -n3: rise 11.06 02:07:11.1, set 20:26:47.1; rise 12.06
//         02:06:36.3;
// swetest -b15.1.2020 -ut0 -rise -p0 -geopos151.2,-33.87,0 -norefrac
//         -disccenter -n3: rise 15.01 19:04:27.0, set 16.01 09:04:27.1; rise
//         16.01 19:05:23.8.
TEST(SunDay, AgreesWithTheLibrarysSearchWithinASecond) {
    constexpr double JUNE_11_2000 = 2451706.5;
    constexpr double JUNE_12_2000 = 2451707.5;
    constexpr double JANUARY_15_2020 = 2458863.5;
    constexpr double JANUARY_16_2020 = 2458864.5;
    const struct {
        const char* what;
        SwissRequest request;
        SunDay expected;
    } cases[] = {
        {"59.9 N at midsummer",
         {Ut(JUNE_11_2000, 12, 0, 0), 59.9, 10.75},
         {Ut(JUNE_11_2000, 2, 7, 11.1), Ut(JUNE_11_2000, 20, 26, 47.1),
          Ut(JUNE_12_2000, 2, 6, 36.3)}},
        {"33.87 S in January",
         {Ut(JANUARY_16_2020, 0, 0, 0), -33.87, 151.2},
         {Ut(JANUARY_15_2020, 19, 4, 27.0), Ut(JANUARY_16_2020, 9, 4, 27.1),
          Ut(JANUARY_16_2020, 19, 5, 23.8)}},
    };
    constexpr double SECOND = 1.0 / 86400;
    for (const auto& c : cases) {
        const Result<SunDay> day = ComputeSunDay(c.request);
        ASSERT_TRUE(day) << c.what << ": " << day.refusal().message;
        EXPECT_NEAR(day->sunrise, c.expected.sunrise, SECOND) << c.what;
        EXPECT_NEAR(day->sunset, c.expected.sunset, SECOND) << c.what;
        EXPECT_NEAR(day->nextSunrise, c.expected.nextSunrise, SECOND) << c.what;
    }
}

TEST(SunDay, IsRefusedInThePolarNight) {
    // 21 December 2000 at 80° N: the Sun stays below the horizon.
    const SwissRequest request{2451899.5, 80, 15};
    EXPECT_FALSE(ComputeSunDay(request));
}

}  // namespace
}  // namespace sarovin
