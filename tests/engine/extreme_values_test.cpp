#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/ayanamsa.h"
#include "engine/lunar_nodes.h"
#include "engine/orbital_elements.h"
#include "engine/planet_longitude.h"
#include "engine/position_text.h"

namespace sarovin {
namespace {

constexpr double INF = std::numeric_limits<double>::infinity();
constexpr double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();

struct TextCase {
    double longitude;
    const char* longText;
};

// Longitudes no birth can give: the texts stay defined. A non-number or an
// infinity reads as the start of Aries; a huge finite longitude as its exact
// remainder of a turn (python3 -c "print(10**19 % 360, 2**70 % 360)" gives
// 280 and 304: 10° Capricorn and 4° Aquarius).
TEST(PositionText, IsDefinedForEveryDouble) {
    const TextCase cases[] = {
        {NOT_A_NUMBER, "0\u00B0 0' 0\" Ari"},
        {INF, "0\u00B0 0' 0\" Ari"},
        {-INF, "0\u00B0 0' 0\" Ari"},
        {1e19, "10\u00B0 0' 0\" Cap"},
        {std::ldexp(1.0, 70), "4\u00B0 0' 0\" Aqu"},
        {std::numeric_limits<double>::max(), nullptr},
        {std::numeric_limits<double>::lowest(), nullptr},
        {std::numeric_limits<double>::denorm_min(), "0\u00B0 0' 0\" Ari"},
    };
    for (const TextCase& c : cases) {
        const std::string text = FormatSignDms(c.longitude);
        const SignDms parts = SplitSignDms(c.longitude);
        EXPECT_GE(parts.sign, 0);
        EXPECT_LT(parts.sign, 12);
        EXPECT_GE(parts.degrees, 0);
        EXPECT_LT(parts.degrees, 30);
        EXPECT_EQ(ShortPositionOf(parts).size(), 9u) << c.longitude;
        if (c.longText != nullptr) {
            EXPECT_EQ(text, c.longText) << c.longitude;
        }
    }
}

// Day numbers of a million centuries and more: every reduction ends and
// gives an angle within one turn.
TEST(EngineReductions, EndForDayNumbersFarOutsideAnyBirth) {
    for (const double day : {1e15, -1e15, 1e300, -1e300, INF, NOT_A_NUMBER}) {
        const double ayanamsa = AyanamsaDegrees(day / 36525);
        const NodePositions nodes = NodeSiderealLongitudes(day, 23.85);
        const double sun = GeocentricLongitude(PlanetIndex::Earth, day, EarthPosition(day));
        for (const double angle : {nodes.rahu, nodes.ketu, sun}) {
            if (!std::isnan(angle)) {
                EXPECT_GE(angle, 0.0) << day;
                EXPECT_LE(angle, 360.0) << day;
            }
        }
        static_cast<void>(ayanamsa);
    }
}

}  // namespace
}  // namespace sarovin
