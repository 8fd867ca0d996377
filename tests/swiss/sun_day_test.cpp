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

TEST(SunDay, IsRefusedInThePolarNight) {
    // 21 December 2000 at 80° N: the Sun stays below the horizon.
    const SwissRequest request{2451899.5, 80, 15};
    EXPECT_FALSE(ComputeSunDay(request));
}

}  // namespace
}  // namespace sarovin
