#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <vector>

#include "calculation/calculation.h"
#include "calculation/sky.h"
#include "drishti/classical_sputa_drishti.h"
#include "drishti/graha_drishti.h"
#include "zodiac/zodiac.h"

namespace sarovin {

// The classical Sputa Drishti one chart's seven planets (rows) cast on the
// other chart's nine bodies (columns in body-slot order) and on its Lagna,
// when that chart has one, in virupas.
struct CrossSputa {
    std::array<std::array<double, BODY_COUNT>, ASPECTING_PLANETS> onBodies{};
    std::optional<std::array<double, ASPECTING_PLANETS>> onLagna;

    friend bool operator==(const CrossSputa&, const CrossSputa&) = default;
};

// The signs one chart's body aspects by Graha Drishti, counted from its own
// sign, and the other chart's bodies standing in them.
struct GrahaAcross {
    std::bitset<SIGN_COUNT> signs;
    std::bitset<BODY_COUNT> bodies;

    friend bool operator==(const GrahaAcross&, const GrahaAcross&) = default;
};

// A's planet on B's planet and B's planet back on A's, both strong.
struct MutualAspect {
    int aBody = 0;
    int bBody = 0;
    double aOnB = 0;
    double bOnA = 0;

    friend bool operator==(const MutualAspect&, const MutualAspect&) = default;
};

// Two charts compared: the Sputa Drishti each way, the Graha Drishti each
// way, the mutual aspects, strongest pair first, and whether both readings
// hold one birth, as when a reading is compared with itself.
struct ChartComparison {
    CrossSputa aOnB;
    CrossSputa bOnA;
    std::array<GrahaAcross, GRAHA_ROWS> grahaAOnB;
    std::array<GrahaAcross, GRAHA_ROWS> grahaBOnA;
    std::vector<MutualAspect> mutual;
    bool sameBirth = false;

    friend bool operator==(const ChartComparison&, const ChartComparison&) = default;
};

// An aspect is strong from 45 virupas on, three quarters of full strength,
// as the Sputa tab marks it.
inline constexpr double STRONG_VIRUPAS = 45;

// The charts of two skies compared; `sameBirth` stays false.
ChartComparison CompareCharts(const Sky& a, const Sky& b);

// Reading `a` compared with reading `b`: the one comparison the Compare
// tab, the pair's page and the tool all show.
ChartComparison CompareReadings(const Calculation& a, const Calculation& b);

}  // namespace sarovin
