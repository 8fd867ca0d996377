#include <gtest/gtest.h>

#include "transits/sign_windows.h"

namespace sarovin {
namespace {

constexpr int MESHA = 0, VRISHABHA = 1, MITHUNA = 2, KUMBHA = 10, MEENA = 11;

// The seven and a half years of Saturn round the natal Moon: rising in the
// 12th sign from the Moon, the peak in the Moon's own, setting in the 2nd,
// counted round the zodiac's end as well.
TEST(SadeSatiPhaseOf, CountsSaturnFromTheMoonsSign) {
    const struct {
        int saturn;
        int moon;
        std::optional<SadeSatiPhase> phase;
    } cases[] = {
        {MEENA, MESHA, SadeSatiPhase::Rising},
        {MESHA, MESHA, SadeSatiPhase::Peak},
        {VRISHABHA, MESHA, SadeSatiPhase::Setting},
        {MITHUNA, MESHA, std::nullopt},
        {KUMBHA, MESHA, std::nullopt},
        {KUMBHA, MEENA, SadeSatiPhase::Rising},
        {MESHA, MEENA, SadeSatiPhase::Setting},
        {VRISHABHA, MEENA, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SadeSatiPhaseOf(c.saturn, c.moon), c.phase) << c.saturn << " from " << c.moon;
    }
}

}  // namespace
}  // namespace sarovin
