#include "drishti/sputa_drishti.h"

#include <gtest/gtest.h>

#include "tests/support/body_tables.h"
#include "zodiac/zodiac.h"

namespace sarovin {
namespace {

using testing::TableWithLongitudes;
using testing::TableWithPositions;

struct StrengthCase {
    const char* what;
    int row;
    int column;
    int rowLongitude;
    int columnLongitude;
    int strength;
};

// Every other body stands with the row body so that only the pair matters.
int StrengthOf(const StrengthCase& c) {
    std::array<int, BODY_COUNT> longitudes{};
    longitudes.fill(c.rowLongitude);
    longitudes[c.column] = c.columnLongitude;
    return ComputeSputaDrishti(TableWithLongitudes(longitudes)).grid[c.row][c.column];
}

TEST(ComputeSputaDrishti, MatchesTheWorkedStrengths) {
    const StrengthCase cases[] = {
        {"a body with itself", Sun, Sun, 10, 10, 0},
        {"general, band 2", Sun, Moon, 10, 100, 45},
        {"R(1.5)", Sun, Moon, 0, 33, 2},
        {"R(2.5)", Sun, Moon, 0, 35, 2},
        {"R(59.5)", Sun, Venus, 0, 181, 60},
        {"R(58.5)", Sun, Venus, 0, 183, 58},
        {"band 5 is not Mars's", Mars, Sun, 0, 180, 60},
        {"Mars rule, band 6", Mars, Sun, 0, 195, 60},
        {"general R(52.5)", Mercury, Sun, 0, 195, 52},
        {"Jupiter rule R(34.33)", Jupiter, Sun, 0, 241, 34},
        {"Saturn rule, magnitude of -60", Saturn, Sun, 0, 330, 60},
        {"general, magnitude of -15", Sun, Moon, 0, 330, 15},
        {"Mars before Jupiter, general R(29.5)", Mars, Jupiter, 0, 241, 30},
        {"350 apart falls in the last band", Sun, Moon, 0, 350, 0},
        {"nodes exactly opposite", NNode, SNode, 10, 190, 60},
        {"Jupiter before Saturn", Jupiter, Saturn, 0, 220, 50},
    };
    for (const StrengthCase& c : cases) {
        EXPECT_EQ(StrengthOf(c), c.strength) << c.what;
    }
}

TEST(ComputeSputaDrishti, MinutesPlayNoPartAcrossASignBoundary) {
    const auto result = ComputeSputaDrishti(
        TableWithPositions({"29 Ari 59", "00 Tau 00", "00 Ari 00", "00 Ari 00", "00 Ari 00",
                            "00 Ari 00", "00 Ari 00", "00 Ari 00", "00 Ari 00"}));
    EXPECT_EQ(result.grid[Sun][Moon], 0);
}

struct BandRow {
    int lower;
    int upper;
    bool mars;
    bool jupiter;
    bool saturn;
};

TEST(SputaBandTable, CoversEveryWholeDistanceOnceWithItsFlags) {
    const BandRow expected[] = {
        {0, 30, false, false, false},    {31, 60, false, false, true},
        {61, 90, false, false, true},    {91, 120, true, true, false},
        {121, 150, true, true, false},   {151, 180, false, false, false},
        {181, 210, true, false, false},  {211, 240, true, true, false},
        {241, 270, false, true, true},   {271, 330, false, false, true},
        {331, 360, false, false, false},
    };
    for (int band = 0; band < SPUTA_BANDS; ++band) {
        const SputaBand& row = SputaBandTable[band];
        EXPECT_EQ(row.lower, expected[band].lower);
        EXPECT_EQ(row.upper, expected[band].upper);
        EXPECT_EQ(row.mars != nullptr, expected[band].mars) << band;
        EXPECT_EQ(row.jupiter != nullptr, expected[band].jupiter) << band;
        EXPECT_EQ(row.saturn != nullptr, expected[band].saturn) << band;
    }
    for (int distance = 0; distance < 360; ++distance) {
        int bands = 0;
        for (const SputaBand& row : SputaBandTable) {
            bands += row.lower <= distance && distance <= row.upper ? 1 : 0;
        }
        EXPECT_EQ(bands, 1) << distance;
    }
}

struct FormulaCase {
    int band;
    int distance;
    int general;
    int mars;  // -1 where the rule does not apply
    int jupiter;
    int saturn;
};

TEST(SputaStrength, EveryRowOfTheFormulaTable) {
    const FormulaCase cases[] = {
        {0, 0, 0, -1, -1, -1},    {0, 30, 0, -1, -1, -1},   {1, 31, 0, -1, -1, 2},
        {1, 60, 15, -1, -1, 60},  {2, 61, 16, -1, -1, 60},  {2, 90, 45, -1, -1, 45},
        {3, 91, 44, 46, 46, -1},  {3, 120, 30, 60, 60, -1}, {4, 121, 29, 58, 58, -1},
        {4, 150, 0, 0, 0, -1},    {5, 151, 2, -1, -1, -1},  {5, 180, 60, -1, -1, -1},
        {6, 181, 60, 60, -1, -1}, {6, 210, 45, 60, -1, -1}, {7, 211, 44, 59, 46, -1},
        {7, 240, 30, 30, 60, -1}, {8, 241, 30, -1, 34, 31}, {8, 270, 15, -1, 15, 60},
        {9, 271, 14, -1, -1, 58}, {9, 300, 0, -1, -1, 0},   {9, 330, 15, -1, -1, 60},
        {10, 331, 0, -1, -1, -1}, {10, 359, 0, -1, -1, -1},
    };
    for (const FormulaCase& c : cases) {
        const SputaBand& band = SputaBandTable[c.band];
        EXPECT_EQ(SputaStrengthGeneral(band, c.distance), c.general) << c.distance;
        if (c.mars >= 0) {
            EXPECT_EQ(SputaStrengthMars(band, c.distance), c.mars) << c.distance;
        }
        if (c.jupiter >= 0) {
            EXPECT_EQ(SputaStrengthJupiter(band, c.distance), c.jupiter) << c.distance;
        }
        if (c.saturn >= 0) {
            EXPECT_EQ(SputaStrengthSaturn(band, c.distance), c.saturn) << c.distance;
        }
    }
}

TEST(ComputeSputaDrishti, CaptionsNameEachBodyInSlotOrder) {
    const auto result = ComputeSputaDrishti(TableWithLongitudes({0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(result.rowCaptions[Sun], "Sun/Surya");
    EXPECT_EQ(result.rowCaptions[SNode], "S Node/Ketu");
    EXPECT_EQ(result.columnCaptions[NNode], "N Node");
    EXPECT_EQ(result.positionCaptions[Mars], "04 Ari 30");
}

}  // namespace
}  // namespace sarovin
