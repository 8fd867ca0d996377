#include "engine/civil_time.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

struct CarryCase {
    const char* what;
    CivilTime start;
    int minutes;
    CivilTime end;
};

// Calendar dates counted by hand (Gregorian: 1900 and 2001 common years,
// 1996 and 2000 leap years); the first is the worked year carry.
TEST(AddMinutes, CarriesThroughDaysMonthsYearsAndLeapDays) {
    const CarryCase cases[] = {
        {"into the next year", {1999, 12, 31, 23, 30}, 60, {2000, 1, 1, 0, 30}},
        {"into the previous year", {1901, 1, 1, 0, 0}, -13 * 60, {1900, 12, 31, 11, 0}},
        {"past the last offered day", {2050, 12, 31, 23, 59}, 12 * 60 + 30, {2051, 1, 1, 12, 29}},
        {"onto 29 February", {2000, 2, 28, 23, 0}, 120, {2000, 2, 29, 1, 0}},
        {"over 28 February in a common year", {2001, 2, 28, 23, 0}, 120, {2001, 3, 1, 1, 0}},
        {"back onto 29 February", {1996, 3, 1, 2, 0}, -5 * 60 - 30, {1996, 2, 29, 20, 30}},
        {"into the previous month", {1980, 7, 1, 3, 0}, -5 * 60 - 30, {1980, 6, 30, 21, 30}},
        {"within the day", {1980, 6, 15, 8, 30}, -5 * 60 - 30, {1980, 6, 15, 3, 0}},
        {"1900 is not a leap year", {1900, 2, 28, 22, 0}, 180, {1900, 3, 1, 1, 0}},
        {"minutes carry into the hour", {2010, 5, 5, 10, 45}, 30, {2010, 5, 5, 11, 15}},
    };
    for (const CarryCase& c : cases) {
        EXPECT_EQ(AddMinutes(c.start, c.minutes), c.end) << c.what;
    }
}

TEST(AddMinutes, ForwardAndBackIsTheIdentity) {
    for (int month = 1; month <= 12; ++month) {
        const CivilTime start{2024, month, 1, 0, 0};
        for (const int minutes : {-13 * 60, -30, 30, 12 * 60 + 30, 40 * 24 * 60}) {
            EXPECT_EQ(AddMinutes(AddMinutes(start, minutes), -minutes), start);
        }
    }
}

}  // namespace
}  // namespace sarovin
