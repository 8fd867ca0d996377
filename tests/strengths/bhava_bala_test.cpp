#include "strengths/bhava_bala.h"

#include <gtest/gtest.h>

#include "engine/body_slot.h"
#include "tests/strengths/raman_example.h"

namespace sarovin {
namespace {

// Raman's standard horoscope with his Sripati madhyas: the lords of the
// madhyas' signs, house 1 to 12: Makara, Meena (331°10'), Mesha, Vrishabha,
// Mithuna, Kataka, Kataka, Kanya, Thula, Vrischika, Dhanus, Makara.
constexpr std::array<int, HOUSES> LORDS = {Saturn, Jupiter, Mars,  Venus, Mercury, Moon,
                                           Moon,   Mercury, Venus, Mars,  Jupiter, Saturn};

TEST(BhavaBala, AddsTheLordsShadbalaToTheHousesTwoStrengths) {
    const ShadbalaInputs inputs = testing::RamanInputs();
    const Houses houses =
        ComputeHouses(HouseSystem::Sripati, SripatiHouses(inputs.madhyas), testing::RamanBodies());
    const Shadbala shadbala = ComputeShadbala(inputs, RAMAN_STRENGTH_RULES);
    const BhavaBala bala = ComputeBhavaBala(houses, shadbala);
    std::array<int, HOUSES> places{};
    for (int house = 0; house < HOUSES; ++house) {
        const HouseBhavaBala& strength = bala[house];
        EXPECT_EQ(strength.lord, LORDS[house]) << house + 1;
        EXPECT_EQ(strength.adhipati.virupas, shadbala.planets[LORDS[house]].virupas) << house + 1;
        EXPECT_EQ(strength.dig.virupas, houses.list[house].digBala.virupas) << house + 1;
        EXPECT_DOUBLE_EQ(strength.drishti.virupas, houses.list[house].drishtiBala.virupas);
        EXPECT_DOUBLE_EQ(strength.rupas * 60, strength.virupas);
        ++places.at(static_cast<std::size_t>(strength.rank - 1));
        for (const HouseBhavaBala& other : bala) {
            if (other.virupas > strength.virupas) {
                EXPECT_LT(other.rank, strength.rank);
            }
        }
    }
    EXPECT_EQ(places, (std::array<int, HOUSES>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    // The 1st madhya, Makara 28°27', is in the second half of Makara,
    // strongest in the 4th: three houses away, 60 - 30.
    EXPECT_EQ(bala[0].dig.virupas, 30);
}

}  // namespace
}  // namespace sarovin
