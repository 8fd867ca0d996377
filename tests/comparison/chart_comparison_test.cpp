#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "comparison/chart_comparison.h"
#include "comparison/comparison_texts.h"

namespace sarovin {
namespace {

Sky SkyAt(const std::array<double, BODY_COUNT>& longitudes, std::optional<double> lagna = {}) {
    Sky sky;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        sky.bodies.entries[slot] = MakeBodyEntry(static_cast<BodySlot>(slot), longitudes[slot]);
    }
    sky.lagna = lagna;
    return sky;
}

// Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, N Node, S Node.
const Sky A = SkyAt({40, 40, 40, 40, 0, 10, 100, 40, 220});
const Sky B = SkyAt({100, 175, 40, 190, 40, 40, 40, 40, 220}, 130);

struct CellCase {
    bool aOnB;
    BodySlot aspecting;
    BodySlot aspected;
    double virupas;
};

// Worked by hand from the classical bands, a = aspected - aspecting:
//   A's Saturn 100° on B's Moon 175°: a = 75, 75 - 45 = 30, Saturn +45 = 75
//   B's Moon 175° on A's Saturn 100°: a = 285, (300 - 285) / 2 = 7.5
//   A's Mars 0° on B's Sun 100°: a = 100, 30 + (120 - 100) / 2 = 40, Mars +15 = 55
//   B's Sun 100° on A's Mars 0°: a = 260, (300 - 260) / 2 = 20
//   A's Jupiter 10° on B's Venus 190°, and back: a = 180, (300 - 180) / 2 = 60
TEST(ChartComparison, CellsAreDirectionalAndFollowTheClassicalBands) {
    const ChartComparison comparison = CompareCharts(A, B);
    for (const CellCase& cell : std::initializer_list<CellCase>{
             {true, Saturn, Moon, 75},
             {false, Moon, Saturn, 7.5},
             {true, Mars, Sun, 55},
             {false, Sun, Mars, 20},
             {true, Jupiter, Venus, 60},
             {false, Venus, Jupiter, 60},
         }) {
        const CrossSputa& grid = cell.aOnB ? comparison.aOnB : comparison.bOnA;
        EXPECT_DOUBLE_EQ(grid.onBodies[cell.aspecting][cell.aspected], cell.virupas)
            << cell.aspecting << " on " << cell.aspected << (cell.aOnB ? " A on B" : " B on A");
    }
}

// A's Jupiter 10° on B's Lagna 130°: a = 120, 150 - 120 = 30, Jupiter +30 = 60.
// A has no Lagna, so B casts on none.
TEST(ChartComparison, TheLagnaColumnIsTheOtherChartsLagna) {
    const ChartComparison comparison = CompareCharts(A, B);
    ASSERT_TRUE(comparison.aOnB.onLagna);
    EXPECT_DOUBLE_EQ((*comparison.aOnB.onLagna)[Jupiter], 60);
    EXPECT_FALSE(comparison.bOnA.onLagna);
}

TEST(ChartComparison, MutualAspectsAreStrongBothWays) {
    const std::vector<MutualAspect> mutual = CompareCharts(A, B).mutual;
    const auto has = [&](int aBody, int bBody) {
        return std::any_of(mutual.begin(), mutual.end(), [&](const MutualAspect& pair) {
            return pair.aBody == aBody && pair.bBody == bBody;
        });
    };
    EXPECT_TRUE(has(Jupiter, Venus));
    EXPECT_FALSE(has(Mars, Sun));     // 55 one way, 20 back
    EXPECT_FALSE(has(Saturn, Moon));  // 75 one way, 7.5 back
    for (const MutualAspect& pair : mutual) {
        EXPECT_GE(std::min(pair.aOnB, pair.bOnA), STRONG_VIRUPAS);
    }
}

// The mutual aspects are made strongest pair first (the two directions
// added), so every view lists them in that order. A chart set against one
// with its bodies 180° on has many, of several strengths.
TEST(ChartComparison, MutualAspectsComeStrongestFirst) {
    const Sky across = SkyAt({215, 225, 220, 230, 176, 185, 280, 220, 40});
    const std::vector<MutualAspect> mutual = CompareCharts(A, across).mutual;
    ASSERT_GE(mutual.size(), 2u);
    for (std::size_t next = 1; next < mutual.size(); ++next) {
        EXPECT_GE(mutual[next - 1].aOnB + mutual[next - 1].bOnA,
                  mutual[next].aOnB + mutual[next].bOnA);
    }
    EXPECT_GT(mutual.front().aOnB + mutual.front().bOnA, mutual.back().aOnB + mutual.back().bOnA);
}

// A's Saturn in Kataka aspects its 3rd, 7th and 10th signs, Kanya, Makara
// and Mesha; of B's bodies only the Moon (175°, Kanya) stands there.
TEST(ChartComparison, GrahaDrishtiAcrossNamesTheOtherChartsBodies) {
    const ChartComparison comparison = CompareCharts(A, B);
    EXPECT_EQ(GrahaAcrossSentence(Saturn, comparison.grahaAOnB[Saturn], A, "Asha", "Ravi"),
              "Saturn of Asha aspects Kanya, Makara, Mesha, where Ravi's Moon stands.");
    // B's Sun in Kataka aspects Makara, where none of A's bodies stands.
    EXPECT_EQ(GrahaAcrossSentence(Sun, comparison.grahaBOnA[Sun], B, "Ravi", "Asha"),
              "Sun of Ravi aspects Makara; none of Asha's bodies stands there.");
}

}  // namespace
}  // namespace sarovin
