#include "calculation/birth_periods.h"

#include <gtest/gtest.h>

#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

Calculation CalculationOf(const BirthRecord& record, const EphemerisChoice& choice) {
    Calculation calculation;
    calculation.record = record;
    calculation.sky = *ComputeSky(record, choice);
    return calculation;
}

// 15 June 1980, 08:30 Indian Time is 03:00 UT: Julian day 2444405.625
// (2451545.0 at 2000-01-01 12h UT, 7139.375 days later), whichever
// ephemeris computed it. Only the Swiss Ephemeris gives the Lagna the
// Ashtakavarga counts from.
TEST(BirthPeriods, BothEphemeridesGiveTheBirthMomentAndOnlyTheSwissTheAshtakavarga) {
    const EphemerisChoice builtIn{};
    const EphemerisChoice swiss{Ephemeris::Swiss, LunarNode::Mean};
    for (const EphemerisChoice& choice : {builtIn, swiss}) {
        const Calculation calculation = CalculationOf(testing::AshaRaoBirth(), choice);
        EXPECT_NEAR(BirthJulianDayUt(calculation), 2444405.625, 1e-9);
        EXPECT_EQ(
            ComputeBirthAshtakavarga(calculation.sky, AshtakavargaTables::Parashara).has_value(),
            choice.ephemeris == Ephemeris::Swiss);
    }
}

}  // namespace
}  // namespace sarovin
