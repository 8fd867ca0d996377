#include <gtest/gtest.h>

#include "drishti/rashi_drishti.h"
#include "tests/support/body_tables.h"

namespace sarovin {
namespace {

using testing::TableWithSigns;

// BPHS ch. 8: movable and fixed signs aspect each other but the adjacent
// one; dual signs aspect the other dual signs.
struct ClassicalRashiCase {
    int sunSign;
    const char* aspectCaption;
};

TEST(ClassicalRashiDrishti, MatchesTheThreeExamples) {
    const ClassicalRashiCase cases[] = {
        {0, "Sun is aspecting by Rashi Drishti of Simha, Vrischika, Kumbha."},
        {1, "Sun is aspecting by Rashi Drishti of Kataka, Thula, Makara."},
        {2, "Sun is aspecting by Rashi Drishti of Kanya, Dhanus, Meena."},
    };
    for (const ClassicalRashiCase& c : cases) {
        const auto rows = ComputeRashiDrishti(TableWithSigns({c.sunSign, 4, 7, 10, 3, 6, 9, 1, 7}),
                                              Rules::Classical);
        EXPECT_EQ(rows[Sun].aspectCaption, c.aspectCaption) << c.sunSign;
    }
}

// Mesha's Sun sees the Moon in Simha and Venus in Kumbha, not Mercury in
// Vrishabha beside it.
TEST(ClassicalRashiDrishti, NamesThePlanetsInTheAspectedSigns) {
    const auto rows =
        ComputeRashiDrishti(TableWithSigns({0, 4, 1, 10, 0, 0, 0, 0, 0}), Rules::Classical);
    EXPECT_EQ(rows[Sun].planetsCaption, "Sun has Graha Drishti on Moon, Venus.");
}

}  // namespace
}  // namespace sarovin
