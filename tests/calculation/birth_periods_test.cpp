#include "calculation/birth_periods.h"

#include <gtest/gtest.h>

#include "calculation/calculation.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

Calculation CalculationOf(const BirthRecord& record, const EphemerisChoice& choice,
                          const CalculationScope& scope) {
    return *CompleteCalculation(record, 0, *ComputeSky(record, choice), scope);
}

// 15 June 1980, 08:30 Indian Time is 03:00 UT: Julian day 2444405.625
// (2451545.0 at 2000-01-01 12h UT, 7139.375 days later), whichever
// ephemeris computed it. Only the Swiss Ephemeris gives the Lagna the
// Ashtakavarga counts from.
TEST(BirthPeriods, BothEphemeridesGiveTheBirthMomentAndOnlyTheSwissTheAshtakavarga) {
    const EphemerisChoice builtIn{};
    const EphemerisChoice swiss{Ephemeris::Swiss, LunarNode::Mean};
    for (const EphemerisChoice& choice : {builtIn, swiss}) {
        const Calculation calculation = CalculationOf(testing::AshaRaoBirth(), choice, {});
        EXPECT_NEAR(BirthJulianDayUt(calculation.record, calculation.sky), 2444405.625, 1e-9);
        EXPECT_EQ(
            ComputeBirthAshtakavarga(calculation.sky, AshtakavargaTables::Parashara).has_value(),
            choice.ephemeris == Ephemeris::Swiss);
    }
}

// The calculation holds the periods and the Ashtakavarga only when its
// scope names their year and tables, counted in those: the same Moon gives
// the same balance of years, and a 360-day year ends the first Mahadasha
// 5.256364 days sooner for each year of that balance.
TEST(BirthPeriods, TheCalculationHoldsWhatItsScopeNames) {
    const EphemerisChoice swiss{Ephemeris::Swiss, LunarNode::Mean};
    const Calculation bare = CalculationOf(testing::AshaRaoBirth(), swiss, {});
    EXPECT_FALSE(bare.dasha.has_value());
    EXPECT_FALSE(bare.ashtakavarga.has_value());
    const Calculation sidereal = CalculationOf(
        testing::AshaRaoBirth(), swiss,
        {.dasha = DashaYear::Sidereal, .ashtakavarga = AshtakavargaTables::Varahamihira});
    const Calculation savana =
        CalculationOf(testing::AshaRaoBirth(), swiss, {.dasha = DashaYear::Savana});
    ASSERT_TRUE(sidereal.dasha && savana.dasha && sidereal.ashtakavarga);
    EXPECT_EQ(sidereal.ashtakavarga->tables, AshtakavargaTables::Varahamihira);
    EXPECT_FALSE(savana.ashtakavarga.has_value());
    EXPECT_EQ(savana.dasha->year, DashaYear::Savana);
    EXPECT_DOUBLE_EQ(savana.dasha->balanceYears, sidereal.dasha->balanceYears);
    EXPECT_NEAR(sidereal.dasha->periods.front().end - savana.dasha->periods.front().end,
                sidereal.dasha->balanceYears * 5.256364, 1e-6);
    // Without a Lagna there is no Ashtakavarga to hold.
    const Calculation builtIn = CalculationOf(testing::AshaRaoBirth(), EphemerisChoice{},
                                              {.ashtakavarga = AshtakavargaTables::Parashara});
    EXPECT_FALSE(builtIn.ashtakavarga.has_value());
}

}  // namespace
}  // namespace sarovin
