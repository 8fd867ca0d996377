#include <gtest/gtest.h>

#include "houses/bhava_dig_bala.h"
#include "houses/houses.h"

namespace sarovin {
namespace {

struct DigBalaCase {
    const char* what;
    double madhya;
    int number;
    double virupas;
    int strongest;
};

// 60 in the strongest house, 10 less a house away, the shorter way round;
// the working shown names that house and the count, which give the value.
const DigBalaCase DIG_BALA[] = {
    {"human Mithuna in the 1st", 75, 1, 60, 1},
    {"human Mithuna in the 4th, 3 away", 75, 4, 30, 1},
    {"human Mithuna in the 7th, 6 away", 75, 7, 0, 1},
    {"human Mithuna in the 11th, 2 away backwards", 75, 11, 40, 1},
    {"human Kumbha in the 1st", 310, 1, 60, 1},
    {"human first half of Dhanus in the 1st", 244.999, 1, 60, 1},
    {"quadruped second half of Dhanus (15 degrees on) in the 10th", 255, 10, 60, 10},
    {"quadruped second half of Dhanus in the 1st, 3 away", 255, 1, 30, 10},
    {"water Kataka in the 4th", 100, 4, 60, 4},
    {"water Meena in the 10th, 6 away", 345, 10, 0, 4},
    {"water second half of Makara in the 4th", 290, 4, 60, 4},
    {"quadruped first half of Makara in the 10th", 275, 10, 60, 10},
    {"Vrischika in the 7th", 220, 7, 60, 7},
    {"Vrischika in the 1st, 6 away", 220, 1, 0, 7},
    {"quadruped Mesha in the 9th, 1 away", 10, 9, 50, 10},
    {"quadruped Simha in the 10th", 130, 10, 60, 10},
};

TEST(BhavaDigBala, CountsHousesFromTheSignClassStrongestHouse) {
    for (const DigBalaCase& test : DIG_BALA) {
        const BhavaDigBala bala = ComputeBhavaDigBala(test.number, test.madhya);
        EXPECT_EQ(bala.virupas, test.virupas) << test.what;
        EXPECT_EQ(bala.strongestHouse, test.strongest) << test.what;
        EXPECT_EQ(60 - 10 * bala.housesAway, bala.virupas) << test.what;
    }
}

// One house by hand: the 1st of Equal houses from a Lagna at 100 degrees,
// so its madhya is 100. The angle a = 100 - planet's longitude, reduced to
// 0-360; the Moon (250) is 240 ahead of the Sun (10), so waning.
//   Sun      10: a =  90, 30 + (120 -  90) / 2  = 45  x -1/4 = -11.25
//   Moon    250: a = 210, (300 - 210) / 2       = 45  x -1/4 = -11.25
//   Mercury  40: a =  60, 60 - 45               = 15  x  1   =  15
//   Venus     0: a = 100, 30 + (120 - 100) / 2  = 40  x +1/4 =  10
//   Mars    340: a = 120, 150 - 120 (its 90-120 ends) = 30 x -1/4 = -7.5
//   Jupiter 220: a = 240, (300 - 240) / 2 + 30  = 60  x  1   =  60
//   Saturn  280: a = 180, (300 - 180) / 2       = 60  x -1/4 = -15
//   Bhava Drishti Bala = 40
struct DrishtiTerm {
    double weight;
    double virupas;
    double term;
};

constexpr std::array<DrishtiTerm, ASPECTING_PLANETS> HAND_TERMS = {{
    {-0.25, 45, -11.25},
    {-0.25, 45, -11.25},
    {1, 15, 15},
    {0.25, 40, 10},
    {-0.25, 30, -7.5},
    {1, 60, 60},
    {-0.25, 60, -15},
}};

BodyTable HandChart(double moon) {
    const std::array<double, BODY_COUNT> longitudes = {10, moon, 40, 0, 340, 220, 280, 115, 295};
    BodyTable bodies;
    for (int body = 0; body < BODY_COUNT; ++body) {
        bodies.entries[body] = MakeBodyEntry(static_cast<BodySlot>(body), longitudes[body]);
    }
    return bodies;
}

TEST(BhavaDrishtiBala, SumsTheWeightedClassicalAspectsOnTheMadhya) {
    const Houses houses = ComputeHouses(HouseSystem::Equal, EqualHouses(100), HandChart(250));
    const BhavaDrishtiBala& bala = houses.list[0].drishtiBala;
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        EXPECT_EQ(bala.terms[planet].planet, planet);
        EXPECT_DOUBLE_EQ(bala.terms[planet].weight, HAND_TERMS[planet].weight) << planet;
        EXPECT_DOUBLE_EQ(bala.terms[planet].virupas, HAND_TERMS[planet].virupas) << planet;
        EXPECT_DOUBLE_EQ(bala.terms[planet].term, HAND_TERMS[planet].term) << planet;
    }
    EXPECT_DOUBLE_EQ(bala.virupas, 40);
}

// Moon at 130, 120 ahead of the Sun: waxing, so +1/4. a = 100 - 130 = 330:
// no aspect, so the Moon's term is 0 and only its weight turns.
TEST(BhavaDrishtiBala, TheWaxingMoonCountsAsABenefic) {
    const Houses houses = ComputeHouses(HouseSystem::Equal, EqualHouses(100), HandChart(130));
    EXPECT_DOUBLE_EQ(houses.list[0].drishtiBala.terms[Moon].weight, 0.25);
    EXPECT_DOUBLE_EQ(houses.list[0].drishtiBala.virupas, 40 + 11.25);
}

}  // namespace
}  // namespace sarovin
