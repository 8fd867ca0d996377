#include "drishti/drik_bala.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

BodyTable TableAt(const std::array<double, BODY_COUNT>& longitudes) {
    BodyTable table;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        table.entries[slot] = MakeBodyEntry(static_cast<BodySlot>(slot), longitudes[slot]);
    }
    return table;
}

// Mercury at 185° (Thula); the others in Thula or away in Mesha (5°) and
// Kumbha (305°). The Moon is benefic while 0-180° ahead of the Sun.
struct MercuryCase {
    const char* what;
    std::array<double, BODY_COUNT> longitudes;
    bool mercuryBenefic;
};

TEST(BeneficPlanets, MercuryTurnsWithItsCompany) {
    const MercuryCase cases[] = {
        {"alone", {5, 305, 185, 5, 5, 5, 5, 0, 180}, true},
        {"with the Sun", {190, 305, 185, 5, 5, 5, 5, 0, 180}, false},
        {"with the Sun and Jupiter: a tie", {190, 305, 185, 5, 5, 200, 5, 0, 180}, true},
        {"with the Sun, Mars and Venus", {190, 305, 185, 195, 200, 5, 5, 0, 180}, false},
        {"with the Sun and the waxing Moon", {190, 195, 185, 5, 5, 5, 5, 0, 180}, true},
        {"with the waning Moon", {300, 195, 185, 5, 5, 5, 5, 0, 180}, false},
        {"the nodes do not count", {5, 305, 185, 5, 5, 5, 5, 190, 10}, true},
    };
    for (const MercuryCase& c : cases) {
        EXPECT_EQ(BeneficPlanets(TableAt(c.longitudes))[Mercury], c.mercuryBenefic) << c.what;
    }
}

TEST(BeneficPlanets, TheMoonWaxesUpTo180DegreesAheadOfTheSun) {
    EXPECT_TRUE(BeneficPlanets(TableAt({100, 279.9, 0, 0, 0, 0, 0, 0, 0}))[Moon]);
    EXPECT_FALSE(BeneficPlanets(TableAt({100, 280, 0, 0, 0, 0, 0, 0, 0}))[Moon]);
    EXPECT_FALSE(BeneficPlanets(TableAt({100, 99, 0, 0, 0, 0, 0, 0, 0}))[Moon]);
}

// Jupiter (benefic) casts 60 on the Sun from 180° behind, Saturn (malefic)
// 20 from 260°: (60 - 20) / 4 = 10.
TEST(ComputeDrikBala, IsAQuarterOfBeneficLessMaleficAspects) {
    const BodyTable bodies = TableAt({0, 0, 0, 0, 0, 180, 100, 0, 0});
    ClassicalSputa sputa;
    sputa.grid[Jupiter][Sun] = 60;
    sputa.grid[Saturn][Sun] = 20;
    const DrikBalaValue sun = ComputeDrikBala(sputa, bodies)[Sun];
    EXPECT_DOUBLE_EQ(sun.net, 60 - 20);
    EXPECT_DOUBLE_EQ(sun.virupas, 10);
    EXPECT_FALSE(sun.benefic);
    ASSERT_EQ(sun.contributors.size(), 6u);
    EXPECT_EQ(sun.contributors[4], (DrikContribution{Jupiter, true, 60}));
    EXPECT_EQ(sun.contributors[5], (DrikContribution{Saturn, false, 20}));
}

// The working shown with each Drik Bala gives its value: the benefics'
// terms added, the malefics' taken, the net quartered.
TEST(ComputeDrikBala, TheShownTermsGiveTheValue) {
    const BodyTable bodies = TableAt({10, 200, 35, 70, 130, 250, 300, 20, 200});
    ClassicalSputa sputa;
    for (int aspecting = 0; aspecting < ASPECTING_PLANETS; ++aspecting) {
        for (int aspected = 0; aspected < ASPECTING_PLANETS; ++aspected) {
            sputa.grid[aspecting][aspected] = 7.5 * aspecting + 3.25 * aspected;
        }
    }
    for (const DrikBalaValue& value : ComputeDrikBala(sputa, bodies)) {
        double net = 0;
        for (const DrikContribution& term : value.contributors) {
            net += term.benefic ? term.virupas : -term.virupas;
        }
        EXPECT_DOUBLE_EQ(value.net, net);
        EXPECT_DOUBLE_EQ(value.virupas, net / 4);
    }
}

}  // namespace
}  // namespace sarovin
