#include "drishti/classical_sputa_drishti.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

// Virupas by hand from the band table (BPHS ch. 26; B. V. Raman, "Graha and
// Bhava Balas"): a band starts at its lower bound, so at each bound the
// special aspects show which band won.
struct StrengthCase {
    int planet;
    double angle;
    double virupas;
};

TEST(ClassicalSputaStrength, EachBoundBelongsToTheBandStartingThere) {
    const StrengthCase cases[] = {
        {Sun, 0, 0},
        {Sun, 29.99, 0},
        {Sun, 30, 0},
        {Sun, 45, 7.5},
        {Sun, 60, 15},
        {Sun, 75, 30},
        {Sun, 90, 45},
        {Sun, 105, 37.5},
        {Sun, 120, 30},
        {Sun, 135, 15},
        {Sun, 150, 0},
        {Sun, 165, 30},
        {Sun, 180, 60},
        {Sun, 240, 30},
        {Sun, 299.99, 0.005},
        {Sun, 300, 0},
        {Sun, 359.99, 0},
        {Saturn, 59.99, 14.995},
        {Saturn, 60, 60},
        {Saturn, 89.99, 89.99},
        {Saturn, 90, 45},
        {Saturn, 269.99, 15.005},
        {Saturn, 270, 60},
        {Saturn, 300, 0},
        {Mars, 89.99, 44.99},
        {Mars, 90, 60},
        {Mars, 120, 30},
        {Mars, 209.99, 45.005},
        {Mars, 210, 60},
        {Mars, 240, 30},
        {Jupiter, 119.99, 30.005},
        {Jupiter, 120, 60},
        {Jupiter, 150, 0},
        {Jupiter, 240, 60},
        {Jupiter, 270, 15},
        {Venus, 60, 15},
        {Venus, 270, 15},
    };
    for (const StrengthCase& c : cases) {
        EXPECT_NEAR(ClassicalSputaStrength(c.planet, c.angle), c.virupas, 1e-9)
            << "planet " << c.planet << " at " << c.angle;
    }
}

BodyTable TableAt(const std::array<double, BODY_COUNT>& longitudes) {
    BodyTable table;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        table.entries[slot] = MakeBodyEntry(static_cast<BodySlot>(slot), longitudes[slot]);
    }
    return table;
}

// Saturn at 25°, Mars at 100°: Saturn looks 75° ahead onto Mars (30 + its
// own 45), Mars 285° ahead onto Saturn ((300 - 285) / 2, no special).
TEST(ComputeClassicalSputa, IsDirectionalAndAddsOnlyTheAspectingPlanetsSpecial) {
    const ClassicalSputa sputa =
        ComputeClassicalSputa(TableAt({0, 0, 0, 0, 100, 0, 25, 0, 180}), std::nullopt);
    EXPECT_DOUBLE_EQ(sputa.grid[Saturn][Mars], 75);
    EXPECT_DOUBLE_EQ(sputa.grid[Mars][Saturn], 7.5);
    EXPECT_DOUBLE_EQ(sputa.grid[Sun][Moon], 0) << "a conjunction";
    EXPECT_DOUBLE_EQ(sputa.grid[Mars][Mars], 0) << "a planet never aspects itself";
    EXPECT_DOUBLE_EQ(sputa.grid[Sun][SNode], 60) << "the nodes receive aspects";
    EXPECT_FALSE(sputa.lagna);
}

// Exact longitudes, not whole degrees: 0.4° apart in the 30-60 band.
TEST(ComputeClassicalSputa, UsesExactLongitudesAndTheLagna) {
    const ClassicalSputa sputa =
        ComputeClassicalSputa(TableAt({10.3, 50.7, 0, 0, 0, 0, 0, 0, 0}), 250.3);
    EXPECT_NEAR(sputa.grid[Sun][Moon], (40.4 - 30) / 2, 1e-9);
    ASSERT_TRUE(sputa.lagna);
    EXPECT_DOUBLE_EQ(sputa.lagna->longitude, 250.3);
    EXPECT_NEAR(sputa.lagna->virupas[Sun], (300 - 240) / 2.0, 1e-9);
}

}  // namespace
}  // namespace sarovin
