#include "chart/strength_tint.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

constexpr Rgb WHITE{255, 255, 255};
constexpr Rgb BLACK{0, 0, 0};

// The guidelines' own end points: black on white is 21 to 1, a colour on
// itself 1 to 1.
TEST(ContrastRatio, RunsFromOneToTwentyOne) {
    EXPECT_DOUBLE_EQ(ContrastRatio(BLACK, WHITE), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(WHITE, BLACK), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(Rgb{22, 66, 138}, Rgb{22, 66, 138}), 1.0);
}

TEST(StrengthTint, IsWhiteAtNothingAndDarkensToTheStrongest) {
    EXPECT_EQ(StrengthTint(0), WHITE);
    for (int strength = 1; strength <= STRONGEST_SPUTA; ++strength) {
        EXPECT_GT(ContrastRatio(StrengthTint(strength), WHITE),
                  ContrastRatio(StrengthTint(strength - 1), WHITE))
            << strength;
    }
    EXPECT_EQ(StrengthTint(STRONGEST_SPUTA + 5), StrengthTint(STRONGEST_SPUTA));
}

// One hue: each tint is white moved towards the darkest along one line,
// so the three channels fall in the same proportions, but for rounding to
// whole numbers.
TEST(StrengthTint, KeepsOneHue) {
    const Rgb darkest = StrengthTint(STRONGEST_SPUTA);
    for (int strength = 1; strength <= STRONGEST_SPUTA; ++strength) {
        const Rgb tint = StrengthTint(strength);
        const double share = (255.0 - tint.blue) / (255 - darkest.blue);
        EXPECT_NEAR(255.0 - tint.red, share * (255 - darkest.red), 1.5) << strength;
        EXPECT_NEAR(255.0 - tint.green, share * (255 - darkest.green), 1.5) << strength;
    }
}

// Normal text needs a contrast of at least 4.5 to 1 to be read easily.
TEST(InkOn, EveryStrengthStaysReadableOnItsTint) {
    for (int strength = 0; strength <= STRONGEST_SPUTA; ++strength) {
        const Rgb tint = StrengthTint(strength);
        EXPECT_GE(ContrastRatio(InkOn(tint), tint), 4.5) << strength;
    }
    EXPECT_EQ(InkOn(StrengthTint(0)), BLACK);
    EXPECT_EQ(InkOn(StrengthTint(STRONGEST_SPUTA)), WHITE);
}

}  // namespace
}  // namespace sarovin
