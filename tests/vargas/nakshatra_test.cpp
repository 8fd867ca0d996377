#include "vargas/nakshatra.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

struct NakshatraCase {
    double longitude;
    std::string_view name;
    int pada;
};

// By hand: nakshatra k covers [k × 13°20', (k + 1) × 13°20') and its pada p
// the p-th 3°20' of it, counted from 0° Mesha.
TEST(Nakshatra, EachLongitudeFallsInItsNakshatraAndPada) {
    constexpr double MINUTE = 1.0 / 60;
    constexpr double SECOND = MINUTE / 60;
    const NakshatraCase cases[] = {
        {0, "Ashwini", 1},
        {3 + 20 * MINUTE - SECOND, "Ashwini", 1},
        {3 + 20 * MINUTE, "Ashwini", 2},
        {13 + 20 * MINUTE - SECOND, "Ashwini", 4},
        {13 + 20 * MINUTE, "Bharani", 1},
        {26 + 40 * MINUTE, "Krittika", 1},
        {30, "Krittika", 2},
        {120, "Magha", 1},
        {186 + 40 * MINUTE, "Swati", 1},
        {193 + 20 * MINUTE, "Swati", 3},
        {240, "Mula", 1},
        {346 + 40 * MINUTE, "Revati", 1},
        {359 + 59 * MINUTE, "Revati", 4},
        {360, "Ashwini", 1},
        {-SECOND, "Revati", 4},
    };
    for (const NakshatraCase& c : cases) {
        const NakshatraPada place = NakshatraOf(c.longitude);
        EXPECT_EQ(NakshatraNames.at(static_cast<std::size_t>(place.nakshatra)), c.name)
            << c.longitude;
        EXPECT_EQ(place.pada, c.pada) << c.longitude;
    }
}

}  // namespace
}  // namespace sarovin
