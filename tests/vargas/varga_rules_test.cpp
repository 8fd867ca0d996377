#include "vargas/varga_rules.h"

#include <gtest/gtest.h>

#include <span>

namespace sarovin {
namespace {

constexpr int MESHA = 0, VRISHABHA = 1, MITHUNA = 2, KATAKA = 3, SIMHA = 4, KANYA = 5, THULA = 6,
              VRISCHIKA = 7, DHANUS = 8, MAKARA = 9, KUMBHA = 10, MEENA = 11;
constexpr int D2 = 1, D3 = 2, D4 = 3, D7 = 4, D9 = 5, D10 = 6, D12 = 7, D16 = 8, D20 = 9, D24 = 10,
              D27 = 11, D30 = 12, D40 = 13, D45 = 14, D60 = 15;

// A sidereal longitude written as a sign and the degrees, minutes and
// seconds within it, as a reader of the rule would.
double At(int sign, int degrees, int minutes = 0, int seconds = 0) {
    return sign * 30 + (degrees * 3600 + minutes * 60 + seconds) / 3600.0;
}

struct VargaCase {
    const char* source;
    int varga;
    double longitude;
    int sign;
};

void ExpectSigns(std::span<const VargaCase> cases) {
    for (const VargaCase& test : cases) {
        EXPECT_EQ(VargaPartOf(test.varga, test.longitude).sign, test.sign)
            << test.source << " at " << test.longitude;
    }
}

// The edges of the parts: a part begins at its own first second and ends
// just before the next part's.
TEST(VargaPartOf, NavamsaAndDasamsaChangeExactlyAtTheEdgesOfTheirParts) {
    const VargaCase cases[] = {
        {"Mesha's first Navamsa is Mesha", D9, At(MESHA, 0), MESHA},
        {"last second of the first", D9, At(MESHA, 3, 19, 59), MESHA},
        {"exactly 3°20' begins the second", D9, At(MESHA, 3, 20), VRISHABHA},
        {"Mesha's last Navamsa is Dhanus", D9, At(MESHA, 29, 59, 59), DHANUS},
        {"fixed signs start from their 9th", D9, At(VRISHABHA, 0), MAKARA},
        {"", D9, At(VRISHABHA, 3, 20), KUMBHA},
        {"", D9, At(VRISHABHA, 29, 59, 59), KANYA},
        {"dual signs start from their 5th", D9, At(MITHUNA, 0), THULA},
        {"movable signs from themselves", D9, At(KATAKA, 0), KATAKA},
        {"the zodiac's last Navamsa", D9, At(MEENA, 29, 59, 59), MEENA},
        {"odd signs count from themselves", D10, At(MESHA, 0), MESHA},
        {"", D10, At(MESHA, 2, 59, 59), MESHA},
        {"exactly 3° begins the second", D10, At(MESHA, 3), VRISHABHA},
        {"", D10, At(MESHA, 29, 59, 59), MAKARA},
        {"even signs count from their 9th", D10, At(VRISHABHA, 0), MAKARA},
        {"", D10, At(VRISHABHA, 29, 59, 59), THULA},
        {"", D10, At(MEENA, 0), VRISCHIKA},
    };
    ExpectSigns(cases);
}

// The Navamsa is sign floor(λ / 3°20') mod 12 everywhere, checked every
// 20 seconds of arc in whole-second arithmetic.
TEST(VargaPartOf, NavamsaIsTheCycleOfThreeDegreesTwentyFromMesha) {
    constexpr int NAVAMSA_SECONDS = 12000;
    for (int seconds = 0; seconds < 360 * 3600; seconds += 20) {
        ASSERT_EQ(VargaPartOf(D9, seconds / 3600.0).sign, seconds / NAVAMSA_SECONDS % 12)
            << seconds;
    }
}

// Published worked examples. D9: astrologicallyexplained.com, "Cracking
// the Navamsha - 4: An example" (Lagna 9°03' Cancer, Mars 18°35' Taurus);
// sageasita.com, "How to calculate a planet's Navamsa position in your
// head" (24°15' Scorpio); gitudivinetouch.com, "Method to calculate
// Navamsh of the planets" (5° Pisces, 20°55' Cancer). D10:
// prachinaastrology.com, "How to Calculate Dashamsha (D-10)" (Lagna 3°23'
// Aries); astroradiance.com, "How to make D10 chart" (Lagna 27°01'
// Cancer); shakerastroguide.com, "How to create the D-10 Varga chakra"
// (Lagna 13° Leo).
TEST(VargaPartOf, MatchesPublishedWorkedExamples) {
    const VargaCase cases[] = {
        {"Lagna 9°03' Kataka", D9, At(KATAKA, 9, 3), KANYA},
        {"Mars 18°35' Vrishabha", D9, At(VRISHABHA, 18, 35), MITHUNA},
        {"24°15' Vrischika", D9, At(VRISCHIKA, 24, 15), KUMBHA},
        {"Moon 5° Meena", D9, At(MEENA, 5), SIMHA},
        {"20°55' Kataka", D9, At(KATAKA, 20, 55), MAKARA},
        {"Lagna 3°23' Mesha", D10, At(MESHA, 3, 23), VRISHABHA},
        {"Lagna 27°01' Kataka", D10, At(KATAKA, 27, 1), DHANUS},
        {"Lagna 13° Simha", D10, At(SIMHA, 13), DHANUS},
    };
    ExpectSigns(cases);
}

// Brihat Parashara Hora Shastra, ch. 6, read off the rule of each varga.
TEST(VargaPartOf, FollowsParasharasRuleForEveryVarga) {
    const VargaCase cases[] = {
        {"Hora: odd sign, Sun's half first", D2, At(MESHA, 14, 59, 59), SIMHA},
        {"Hora: then the Moon's", D2, At(MESHA, 15), KATAKA},
        {"Hora: even sign, Moon's half first", D2, At(VRISHABHA, 0), KATAKA},
        {"Hora: then the Sun's", D2, At(VRISHABHA, 15), SIMHA},
        {"Drekkana: 5th from the sign", D3, At(MESHA, 10), SIMHA},
        {"Drekkana: 9th from the sign", D3, At(MESHA, 29, 59, 59), DHANUS},
        {"Chaturthamsa: 4th from the sign", D4, At(MESHA, 7, 30), KATAKA},
        {"Chaturthamsa: 10th", D4, At(KANYA, 22, 30), MITHUNA},
        {"Saptamsa: odd from the sign", D7, At(MITHUNA, 0), MITHUNA},
        {"Saptamsa: even from the 7th", D7, At(VRISHABHA, 0), VRISCHIKA},
        {"Dwadasamsa: from the sign", D12, At(MESHA, 29, 59, 59), MEENA},
        {"Shodasamsa: fixed from Simha", D16, At(VRISHABHA, 0), SIMHA},
        {"Shodasamsa: dual from Dhanus", D16, At(MITHUNA, 0), DHANUS},
        {"Vimsamsa: fixed from Dhanus", D20, At(VRISHABHA, 0), DHANUS},
        {"Vimsamsa: dual from Simha", D20, At(MITHUNA, 0), SIMHA},
        {"Chaturvimsamsa: odd from Simha", D24, At(MESHA, 0), SIMHA},
        {"Chaturvimsamsa: even from Kataka", D24, At(VRISHABHA, 0), KATAKA},
        {"Bhamsa: earthy from Kataka", D27, At(VRISHABHA, 0), KATAKA},
        {"Bhamsa: airy from Thula", D27, At(MITHUNA, 0), THULA},
        {"Bhamsa: watery from Makara", D27, At(KATAKA, 0), MAKARA},
        {"Trimsamsa odd: Mars to 5°", D30, At(MESHA, 4, 59, 59), MESHA},
        {"Trimsamsa odd: Saturn from 5°", D30, At(MESHA, 5), KUMBHA},
        {"Trimsamsa odd: Jupiter from 10°", D30, At(MESHA, 10), DHANUS},
        {"Trimsamsa odd: Mercury from 18°", D30, At(MESHA, 18), MITHUNA},
        {"Trimsamsa odd: Venus from 25°", D30, At(MESHA, 25), THULA},
        {"Trimsamsa even: Venus to 5°", D30, At(VRISHABHA, 4, 59, 59), VRISHABHA},
        {"Trimsamsa even: Mercury from 5°", D30, At(VRISHABHA, 5), KANYA},
        {"Trimsamsa even: Jupiter from 12°", D30, At(VRISHABHA, 12), MEENA},
        {"Trimsamsa even: Saturn from 20°", D30, At(VRISHABHA, 20), MAKARA},
        {"Trimsamsa even: Mars from 25°", D30, At(VRISHABHA, 29, 59, 59), VRISCHIKA},
        {"Khavedamsa: even from Thula", D40, At(VRISHABHA, 0), THULA},
        {"Khavedamsa: odd from Mesha, not the sign", D40, At(MITHUNA, 0), MESHA},
        {"Khavedamsa: odd, 2nd part of 0°45'", D40, At(SIMHA, 0, 45), VRISHABHA},
        {"Akshavedamsa: fixed from Simha", D45, At(SIMHA, 0), SIMHA},
        {"Akshavedamsa: dual from Dhanus", D45, At(MEENA, 0), DHANUS},
        {"Shashtiamsa: 2nd from the sign", D60, At(MESHA, 0, 30), VRISHABHA},
        {"Shashtiamsa: 60th from the sign", D60, At(VRISHABHA, 29, 59, 59), MESHA},
    };
    ExpectSigns(cases);
}

TEST(VargaPartOf, AFullTurnIsTheStartOfMesha) {
    EXPECT_EQ(VargaPartOf(D9, 360.0), (VargaPart{MESHA, 0, 30 / 9.0}));
}

}  // namespace
}  // namespace sarovin
