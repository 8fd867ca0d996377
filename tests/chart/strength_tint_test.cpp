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

// The guidelines' relative luminance (sRGB channels made linear with the
// exponent 2.4) worked out apart from the code:
//   python3 -c "f = lambda c: c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4;
//     L = lambda r, g, b: 0.2126 * f(r / 255) + 0.7152 * f(g / 255) + 0.0722 * f(b / 255);
//     print((L(255, 255, 255) + 0.05) / (L(119, 119, 119) + 0.05))"
// gives 4.4781 for #777777 on white, the familiar 4.48 to 1.
TEST(ContrastRatio, FollowsTheGuidelinesLuminance) {
    const struct {
        Rgb first;
        Rgb second;
        double ratio;
    } cases[] = {
        {Rgb{119, 119, 119}, WHITE, 4.478089453577214},
        {Rgb{128, 128, 128}, BLACK, 5.317210002277984},
        {Rgb{22, 66, 138}, WHITE, 9.631277479965979},
        {Rgb{22, 66, 138}, BLACK, 2.180396115020266},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(ContrastRatio(c.first, c.second), c.ratio, 1e-9) << c.ratio;
    }
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

// Bold from 45 virupas exactly, not from what rounds to 45; the tint
// follows the nearest whole strength, held to 0–60.
TEST(LookOfStrength, BoldFromFortyFiveAndTintHeldToTheScale) {
    const struct {
        double virupas;
        int tintOf;
        bool bold;
    } cases[] = {
        {-2.0, 0, false}, {0.4, 0, false},  {44.6, 45, false},
        {45.0, 45, true}, {59.5, 60, true}, {75.0, 60, true},
    };
    for (const auto& c : cases) {
        const StrengthLook look = LookOfStrength(c.virupas);
        EXPECT_EQ(look.tint, StrengthTint(c.tintOf)) << c.virupas;
        EXPECT_EQ(look.ink, InkOn(StrengthTint(c.tintOf))) << c.virupas;
        EXPECT_EQ(look.bold, c.bold) << c.virupas;
    }
}

}  // namespace
}  // namespace sarovin
