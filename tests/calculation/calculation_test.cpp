#include "calculation/calculation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calculation/birth_houses.h"
#include "reading/reading_write.h"

#include "tests/support/body_tables.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

constexpr int D1 = 0, D9 = 5;

// The Sun in Vrishchika 15°, the others spread over the signs. A fixed sign
// aspects the other fixed signs by Sarovin's rule, and the movable signs but
// the one beside it by the classical rule (Brihat Parashara Hora Shastra,
// Rashi Drishti): Vrishabha, Simha, Kumbha against Mesha, Kataka, Makara.
Sky SkyWithRules(Rules rules) {
    Sky sky;
    sky.bodies = testing::TableWithSigns({7, 0, 3, 9, 1, 4, 10, 2, 8});
    sky.used.rules = rules;
    return sky;
}

struct RulesCase {
    Rules rules;
    const char* sunAspects;
};

TEST(CompleteCalculation, TheRashiVargaFollowsTheReadingsRules) {
    const RulesCase cases[] = {
        {Rules::Sarovin115, "Sun is aspecting by Rashi Drishti of Vrishabha, Simha, Kumbha."},
        {Rules::Classical, "Sun is aspecting by Rashi Drishti of Mesha, Kataka, Makara."},
    };
    for (const RulesCase& c : cases) {
        const Result<Calculation> calculation =
            CompleteCalculation(BirthRecord{}, 0, SkyWithRules(c.rules), EveryVargaWithSpans());
        ASSERT_TRUE(calculation);
        const VargaChart* rashi = FindVarga(*calculation, D1);
        ASSERT_NE(rashi, nullptr);
        EXPECT_EQ(calculation->report.rashi[Sun].aspectCaption, c.sunAspects);
        EXPECT_EQ(rashi->rashi, calculation->report.rashi);
        EXPECT_EQ(rashi->graha, calculation->report.graha);
    }
}

TEST(CompleteCalculation, ComputesOnlyTheVargasOfItsScope) {
    const CalculationScope navamsaOnly{.vargas = {D9}};
    const Result<Calculation> calculation =
        CompleteCalculation(BirthRecord{}, 0, SkyWithRules(Rules::Sarovin115), navamsaOnly);
    ASSERT_TRUE(calculation);
    EXPECT_EQ(FindVarga(*calculation, D1), nullptr);
    EXPECT_NE(FindVarga(*calculation, D9), nullptr);
    EXPECT_FALSE(calculation->spans);
}

// Asha Rao, 03:00 UT on 15 June 1980:
//   swetest -b15.6.1980 -ut3:00 -sid1 -fPl -p1 -head  gives Moon 89.1542398,
//   at -ut2:50 89.0628992 and at -ut3:10 89.2455622,
// so 0.1826630° in 20 min, 0.00913315° a minute. The Moon's Navamsa runs
// from 86°40' to 90°: (89.1542398 - 86.6666667) / 0.00913315 = 272.37 min
// before and (90 - 89.1542398) / 0.00913315 = 92.60 min after.
TEST(CompleteCalculation, TheMoonsNavamsaSpanMatchesTheSwissEphemeris) {
    const BirthRecord record = testing::AshaRaoBirth();
    const EphemerisChoice swiss{Ephemeris::Swiss, LunarNode::Mean};
    Result<Sky> sky = ComputeSky(record, swiss);
    ASSERT_TRUE(sky);
    const Result<Calculation> calculation =
        CompleteCalculation(record, 0, std::move(*sky), EveryVargaWithSpans());
    ASSERT_TRUE(calculation && calculation->spans);
    const VargaSpans& spans = *calculation->spans;
    EXPECT_NEAR(spans.bodies[Moon][D9].minutesBefore, 272.37, 0.5);
    EXPECT_NEAR(spans.bodies[Moon][D9].minutesAfter, 92.60, 0.5);
    EXPECT_TRUE(spans.lagna);
}

// Each house system places the madhyas by its own rule from the Lagna:
// Equal houses put the 1st madhya on the Lagna and each next one 30° on;
// whole signs put it in the middle of the Lagna's sign; Sripati's 1st
// madhya is the Lagna and its 10th the midheaven.
TEST(ComputeBirthHouses, EachSystemPlacesItsOwnMadhyas) {
    struct SystemCase {
        HouseSystem system;
        double firstFromLagna;  // the 1st madhya less the Lagna, or NaN for the sign's middle
    };
    const SystemCase cases[] = {
        {HouseSystem::Equal, 0},
        {HouseSystem::WholeSign, std::nan("")},
        {HouseSystem::Sripati, 0},
    };
    for (const SystemCase& c : cases) {
        EphemerisChoice choice{Ephemeris::Swiss, LunarNode::Mean};
        choice.houses = c.system;
        const Result<Sky> sky = ComputeSky(testing::AshaRaoBirth(), choice);
        ASSERT_TRUE(sky && sky->lagna);
        const double lagna = *sky->lagna;
        ASSERT_GT(std::fmod(lagna, 30), 1) << "a Lagna near a sign's edge tells no system apart";
        const Result<std::optional<Houses>> houses = ComputeBirthHouses(*sky);
        ASSERT_TRUE(houses && *houses);
        const double first = (*houses)->list[0].bounds.madhya;
        const double expected =
            std::isnan(c.firstFromLagna) ? std::floor(lagna / 30) * 30 + 15 : lagna;
        EXPECT_NEAR(first, expected, 1e-9) << static_cast<int>(c.system);
        if (c.system == HouseSystem::Equal) {
            EXPECT_NEAR((*houses)->list[1].bounds.madhya, std::fmod(lagna + 30, 360), 1e-9);
        }
    }
}

// A saved reading keeps the positions it was calculated from; opened, it
// is calculated from them with the Swiss Ephemeris, whatever the choice;
// a malformed line of them refuses the reading.
TEST(CalculateReading, TakesTheReadingsGivenPositions) {
    const std::string text =
        "Sun=180:53:55,Moon=311:17:19,Mars=229:30:34,Mercury=181:31:34,Jupiter=84:00:49,"
        "Venus=171:09:56,Saturn=124:22:41,Rahu=234:23:47,Lagna=298:27:00,MC=216:36:00";
    const Result<GivenPositions> given = ReadGivenPositions(text, "the test");
    ASSERT_TRUE(given);
    EXPECT_EQ(GivenPositionsText(*given), text);
    const std::string bytes =
        WriteReadingWithPositions(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE, text);
    const OpenedReading opened =
        CalculateReading(bytes, InputForm{}, BirthRecord{}, EphemerisChoice{}, CalculationScope{});
    ASSERT_TRUE(opened.calculation);
    EXPECT_EQ(opened.given, *given);
    EXPECT_EQ(opened.calculation->sky.used.ephemeris, Ephemeris::Swiss);
    EXPECT_EQ(opened.calculation->sky.used.given, *given);
    EXPECT_DOUBLE_EQ(*opened.calculation->sky.lagna, 298.45);

    const OpenedReading plain =
        CalculateReading(WriteReading(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE),
                         InputForm{}, BirthRecord{}, EphemerisChoice{}, CalculationScope{});
    ASSERT_TRUE(plain.calculation);
    EXPECT_FALSE(plain.given);
    EXPECT_EQ(plain.calculation->sky.used.ephemeris, Ephemeris::BuiltIn);

    const OpenedReading bad = CalculateReading(
        WriteReadingWithPositions(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE, "Sun=180:60"),
        InputForm{}, BirthRecord{}, EphemerisChoice{}, CalculationScope{});
    ASSERT_FALSE(bad.calculation);
    EXPECT_EQ(bad.calculation.refusal().message,
              "Cannot read the file. Its 19th line: bad entry 'Sun=180:60' in the given "
              "positions: give NAME=degrees:minutes[:seconds].");
}

}  // namespace
}  // namespace sarovin
