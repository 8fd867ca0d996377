#include "swiss/birth_moment.h"

#include <gtest/gtest.h>

#include "tests/swiss/swiss_births.h"

namespace sarovin {
namespace {

using testing::SwissBirth;
using testing::ToRecord;

// swetest prints Julian days to five decimals.
constexpr double SWETEST_DAY_ROUNDING = 5e-6;

struct MomentCase {
    SwissBirth birth;
    CivilTime universal;
    double julianDayUt;
};

TEST(SwissBirthMoment, AddsTheZoneCorrectionAndTakesOffDaylightSaving) {
    // clang-format off
    const MomentCase cases[] = {
        // swetest -b31.12.1999 -ut18:45 -p0 -fJ -head
        {{"Delhi, back over midnight into the old year", 1, 1, 2000, 0, 15, -5, -30, false, 28, 38, 'N', 77, 13, 'E'},
         {1999, 12, 31, 18, 45}, 2451544.28125},
        // swetest -b1.1.1988 -ut2:30 -p0 -fJ -head
        {{"New York, forward into the new year", 31, 12, 1987, 21, 30, 5, 0, false, 40, 43, 'N', 74, 0, 'W'},
         {1988, 1, 1, 2, 30}, 2447161.60417},
        // swetest -b28.2.1996 -ut21:10 -p0 -fJ -head
        {{"Sydney on daylight saving, back off 29 February", 29, 2, 1996, 8, 10, -10, 0, true, 33, 52, 'S', 151, 13, 'E'},
         {1996, 2, 28, 21, 10}, 2450142.38194},
        // swetest -b29.2.2024 -ut2:45 -p0 -fJ -head
        {{"Chicago, forward onto 29 February", 28, 2, 2024, 20, 45, 6, 0, false, 41, 53, 'N', 87, 38, 'W'},
         {2024, 2, 29, 2, 45}, 2460369.61458},
        // swetest -b15.7.1975 -ut21:40 -p0 -fJ -head
        {{"Madrid on summer time, two hours back", 15, 7, 1975, 23, 40, -1, 0, true, 40, 25, 'N', 3, 42, 'W'},
         {1975, 7, 15, 21, 40}, 2442609.40278},
        // swetest -b28.2.2001 -ut20:30 -p0 -fJ -head
        {{"Delhi, back into February of a common year", 1, 3, 2001, 2, 0, -5, -30, false, 28, 38, 'N', 77, 13, 'E'},
         {2001, 2, 28, 20, 30}, 2451969.35417},
        // swetest -b1.1.1951 -ut0:30 -p0 -fJ -head
        {{"Honolulu, a half-hour West zone into the new year", 31, 12, 1950, 14, 0, 10, 30, false, 21, 18, 'N', 157, 52, 'W'},
         {1951, 1, 1, 0, 30}, 2433647.52083},
        // swetest -b4.7.1976 -ut4:30 -p0 -fJ -head
        {{"New York on daylight saving", 4, 7, 1976, 0, 30, 5, 0, true, 40, 43, 'N', 74, 0, 'W'},
         {1976, 7, 4, 4, 30}, 2442963.68750},
        // swetest -b31.7.1976 -ut23:30 -p0 -fJ -head
        {{"Madrid on summer time, back into July", 1, 8, 1976, 1, 30, -1, 0, true, 40, 25, 'N', 3, 42, 'W'},
         {1976, 7, 31, 23, 30}, 2442991.47917},
        // swetest -b31.12.2000 -ut17:00 -p0 -fJ -head
        {{"Auckland, back into the old year", 1, 1, 2001, 5, 0, -12, 0, false, 36, 51, 'S', 174, 46, 'E'},
         {2000, 12, 31, 17, 0}, 2451910.20833},
    };
    // clang-format on
    for (const MomentCase& c : cases) {
        const UniversalBirthMoment moment = SwissBirthMoment(ToRecord(c.birth));
        EXPECT_EQ(moment.civil, c.universal) << c.birth.what;
        EXPECT_NEAR(moment.julianDayUt, c.julianDayUt, SWETEST_DAY_ROUNDING) << c.birth.what;
    }
}

// An exact offset replaces the row and the tick, to the second; the civil
// time keeps the minute. The zone row and tick set on these records must
// not count.
TEST(SwissBirthMoment, AnExactOffsetReplacesTheRowAndTheTick) {
    struct ExactCase {
        SwissBirth birth;
        int offsetSeconds;
        CivilTime universal;
        double julianDayUt;
    };
    // clang-format off
    const ExactCase cases[] = {
        // Kathmandu +5:45; swetest -b15.6.1990 -ut2:45 -p0 -fJ -head
        {{"Kathmandu", 15, 6, 1990, 8, 30, -5, -30, true, 27, 42, 'N', 85, 19, 'E'}, 20700,
         {1990, 6, 15, 2, 45}, 2448057.61458},
        // Madras time +5:21:10; swetest -b1.1.1901 -ut3:08:50 -p0 -fJ -head
        {{"Kolkata", 1, 1, 1901, 8, 30, -5, -30, false, 22, 34, 'N', 88, 22, 'E'}, 19270,
         {1901, 1, 1, 3, 8}, 2415385.63113},
        // St John's -3:30, forward into the new year; swetest -b1.1.1901 -ut3:00 -p0 -fJ -head
        // gives 2415385.62500
        {{"St John's", 31, 12, 1900, 23, 30, 0, 0, true, 47, 34, 'N', 52, 43, 'W'}, -12600,
         {1901, 1, 1, 3, 0}, 2415385.62500},
    };
    // clang-format on
    for (const ExactCase& c : cases) {
        BirthRecord record = ToRecord(c.birth);
        record.exactOffset = ExactOffset{c.offsetSeconds, OffsetSource::Typed, {}};
        const UniversalBirthMoment moment = SwissBirthMoment(record);
        EXPECT_EQ(moment.civil, c.universal) << c.birth.what;
        EXPECT_NEAR(moment.julianDayUt, c.julianDayUt, SWETEST_DAY_ROUNDING) << c.birth.what;
    }
}

struct PlaceCase {
    SwissBirth birth;
    double latitude;
    double longitude;
};

TEST(BirthPlaceDegrees, MakesSouthAndWestNegative) {
    // clang-format off
    const PlaceCase cases[] = {
        {{"Madrid", 1, 1, 2000, 0, 0, -1, 0, false, 40, 25, 'N', 3, 42, 'W'}, 40.416666666666667, -3.7},
        {{"Sydney", 1, 1, 2000, 0, 0, -10, 0, false, 33, 52, 'S', 151, 13, 'E'}, -33.866666666666667, 151.21666666666667},
        {{"Buenos Aires", 1, 1, 2000, 0, 0, 3, 0, false, 34, 36, 'S', 58, 23, 'W'}, -34.6, -58.383333333333333},
        {{"Gulf of Guinea", 1, 1, 2000, 0, 0, 0, 0, false, 0, 0, 'N', 0, 0, 'E'}, 0, 0},
        {{"by the date line", 1, 1, 2000, 0, 0, 12, 0, false, 0, 59, 'S', 180, 0, 'W'}, -0.98333333333333333, -180},
    };
    // clang-format on
    for (const PlaceCase& c : cases) {
        const BirthPlace place = BirthPlaceDegrees(ToRecord(c.birth));
        EXPECT_DOUBLE_EQ(place.latitudeDegrees, c.latitude) << c.birth.what;
        EXPECT_DOUBLE_EQ(place.longitudeDegrees, c.longitude) << c.birth.what;
    }
}

}  // namespace
}  // namespace sarovin
