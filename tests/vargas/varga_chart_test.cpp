#include "vargas/varga_chart.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

constexpr int D1 = 0, D9 = 5;

// The Sun at Mesha 0°30' (Navamsa Mesha), the Moon at Mithuna 0°30'
// (Navamsa Thula), the others at Vrishabha 15° (Navamsa Vrishabha).
BodyTable SunAndMoonApartInTheRashi() {
    BodyTable bodies;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        bodies.entries[slot] = MakeBodyEntry(static_cast<BodySlot>(slot), 45);
    }
    bodies.entries[Sun] = MakeBodyEntry(Sun, 0.5);
    bodies.entries[Moon] = MakeBodyEntry(Moon, 60.5);
    return bodies;
}

TEST(ComputeVargaChart, DrishtiComesFromTheVargaSigns) {
    const BodyTable bodies = SunAndMoonApartInTheRashi();
    const VargaChart rashi = ComputeVargaChart(D1, bodies, std::nullopt, Rules::Sarovin115);
    const VargaChart navamsa = ComputeVargaChart(D9, bodies, std::nullopt, Rules::Sarovin115);
    EXPECT_EQ(rashi.graha[Sun].planetsCaption, "Planet Sun has no Graha Drishti.");
    EXPECT_EQ(navamsa.graha[Sun].planetsCaption, "Planet(s) aspected by Sun is Moon.");
    EXPECT_FALSE(rashi.rashi[Sun].aspected.bodies.test(Moon));
    EXPECT_TRUE(navamsa.rashi[Sun].aspected.bodies.test(Moon));
    EXPECT_EQ(navamsa.rashi[Moon].aspectCaption,
              "Moon is aspecting by Rashi Drishti of Mesha, Kataka, Makara.");
}

// 0°30' is 0.15 of the way through Mesha's first Navamsa (3°20'), so the
// Sun stands at 0.15 × 30° = 4°30' of the Navamsa Mesha.
TEST(ComputeVargaChart, PositionsAreTheDegreesInTheVargaSign) {
    const VargaChart navamsa =
        ComputeVargaChart(D9, SunAndMoonApartInTheRashi(), std::nullopt, Rules::Sarovin115);
    EXPECT_EQ(navamsa.graha[Sun].positionCaption, "04 Ari 30");
    EXPECT_EQ(navamsa.bodies.entries[Moon].place.sign, 6);
}

// Lagna at Kanya 5°: floor(155° / 3°20') = 46, and 46 mod 12 = 10, Kumbha.
TEST(ComputeVargaChart, TheLagnaHasItsVargaSign) {
    const VargaChart navamsa =
        ComputeVargaChart(D9, SunAndMoonApartInTheRashi(), 155.0, Rules::Sarovin115);
    ASSERT_TRUE(navamsa.lagna);
    EXPECT_EQ(SignNameAt(*navamsa.lagna), "Kumbha");
    EXPECT_FALSE(
        ComputeVargaChart(D9, SunAndMoonApartInTheRashi(), std::nullopt, Rules::Sarovin115).lagna);
}

// The D1 chart is the birth chart itself, to the last bit.
TEST(ComputeVargaChart, TheRashiIsTheBirthChart) {
    const BodyTable bodies = SunAndMoonApartInTheRashi();
    EXPECT_EQ(ComputeVargaChart(D1, bodies, std::nullopt, Rules::Sarovin115).bodies, bodies);
}

}  // namespace
}  // namespace sarovin
