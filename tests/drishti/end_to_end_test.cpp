#include <gtest/gtest.h>

#include "drishti/drishti_report.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

struct ExpectedRow {
    const char* body;
    const char* position;
    const char* aspect;
    const char* planets;
};

void ExpectRows(const auto& rows, const auto& expected) {
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        EXPECT_EQ(rows[row].bodyCaption, expected[row].body) << row;
        EXPECT_EQ(rows[row].positionCaption, expected[row].position) << row;
        EXPECT_EQ(rows[row].aspectCaption, expected[row].aspect) << row;
        EXPECT_EQ(rows[row].planetsCaption, expected[row].planets) << row;
    }
}

void ExpectGrid(const SputaGrid& grid, const int (&expected)[BODY_COUNT][BODY_COUNT]) {
    for (int row = 0; row < BODY_COUNT; ++row) {
        for (int column = 0; column < BODY_COUNT; ++column) {
            EXPECT_EQ(grid[row][column], expected[row][column]) << row << ", " << column;
        }
    }
}

TEST(DrishtiReport, NoonOfTheFirstOf2000) {
    const BodyTable table = ComputeBodyTable(testing::GreenwichNoonBirth());
    const DrishtiReport report = ComputeDrishtiReport(table);
    const ExpectedRow graha[] = {
        {"Sun / Surya", "16 Sag 31", "Sign aspected by Sun is Mithuna.",
         "Planet Sun has no Graha Drishti."},
        {"Moon / Chandra", "19 Lib 27", "Sign aspected by Moon is Mesha.",
         "Planet(s) aspected by Moon is Jupiter, Saturn."},
        {"Mercury / Budha", "08 Sag 03", "Sign aspected by Mercury is Mithuna.",
         "Planet Mercury has no Graha Drishti."},
        {"Venus / Shukra", "07 Sco 43", "Sign aspected by Venus is Vrishabha.",
         "Planet Venus has no Graha Drishti."},
        {"Mars / Mangala", "04 Aqu 07", "Sign aspected by Mars is Vrishabha, Simha, Kanya.",
         "Planet Mars has no Graha Drishti."},
        {"Jupiter / Guru", "01 Ari 30", "Sign aspected by Jupiter is Simha, Thula, Dhanus.",
         "Planet(s) aspected by Jupiter is Moon, Sun, Mercury."},
        {"Saturn / Shani", "16 Ari 21", "Sign aspected by Saturn is Mithuna, Thula, Makara.",
         "Planet(s) aspected by Saturn is Moon."},
        {"N Node / Rahu", "10 Can 16", "Sign aspected by N Node is Makara.",
         "Planet N Node has no Graha Drishti."},
    };
    ExpectRows(report.graha, graha);

    const ExpectedRow rashi[] = {
        {"Sun / Surya", "16 Sag 31", "Sun is aspecting by Rashi Drishti of Mithuna, Kanya, Meena.",
         "Planet Sun has no Rashi Drishti."},
        {"Moon / Chandra", "19 Lib 27",
         "Moon is aspecting by Rashi Drishti of Mesha, Kataka, Makara.",
         "Moon has Graha Drishti on Jupiter, Saturn."},
        {"Mercury / Budha", "08 Sag 03",
         "Mercury is aspecting by Rashi Drishti of Mithuna, Kanya, Meena.",
         "Planet Mercury has no Rashi Drishti."},
        {"Venus / Shukra", "07 Sco 43",
         "Venus is aspecting by Rashi Drishti of Vrishabha, Simha, Kumbha.",
         "Venus has Graha Drishti on Mars."},
        {"Mars / Mangala", "04 Aqu 07",
         "Mars is aspecting by Rashi Drishti of Vrishabha, Simha, Vrischika.",
         "Mars has Graha Drishti on Venus."},
        {"Jupiter / Guru", "01 Ari 30",
         "Jupiter is aspecting by Rashi Drishti of Kataka, Thula, Makara.",
         "Jupiter has Graha Drishti on Moon."},
        {"Saturn / Shani", "16 Ari 21",
         "Saturn is aspecting by Rashi Drishti of Kataka, Thula, Makara.",
         "Saturn has Graha Drishti on Moon."},
        {"N Node / Rahu", "10 Can 16", "N Node is aspecting by Rashi Drishti of .",
         "Planet N Node has no Rashi Drishti."},
        {"S Node / Ketu", "10 Cap 16", "S Node is aspecting by Rashi Drishti of .",
         "Planet S Node has no Rashi Drishti."},
    };
    ExpectRows(report.rashi, rashi);

    // Whole-degree longitudes 256, 199, 248, 217, 304, 1, 16, 100, 280.
    const int sputa[BODY_COUNT][BODY_COUNT] = {
        {0, 14, 0, 4, 9, 25, 30, 12, 0},   {14, 0, 10, 0, 52, 51, 58, 40, 36},
        {0, 10, 0, 0, 13, 30, 34, 2, 1},   {4, 0, 0, 0, 42, 48, 50, 32, 18},
        {9, 52, 13, 42, 0, 2, 6, 60, 0},   {25, 51, 30, 48, 2, 0, 0, 50, 10},
        {30, 58, 34, 50, 6, 0, 0, 48, 54}, {12, 40, 2, 32, 60, 50, 48, 0, 60},
        {0, 36, 1, 18, 0, 10, 54, 60, 0},
    };
    ExpectGrid(report.sputa.grid, sputa);
    const char* rowCaptions[] = {"Sun/Surya",    "Moon/Chandra", "Mercury/Budha",
                                 "Venus/Shukra", "Mars/Mangala", "Jupiter/Guru",
                                 "Saturn/Shani", "N Node/Rahu",  "S Node/Ketu"};
    for (int body = 0; body < BODY_COUNT; ++body) {
        EXPECT_EQ(report.sputa.rowCaptions[body], rowCaptions[body]);
        EXPECT_EQ(report.sputa.positionCaptions[body], table.entries[body].position);
    }
}

TEST(DrishtiReport, MorningInDelhiIn1980) {
    const DrishtiReport report = ComputeDrishtiReport(testing::AshaRaoBirth());
    const ExpectedRow graha[] = {
        {"Sun / Surya", "00 Gem 51", "Sign aspected by Sun is Dhanus.",
         "Planet Sun has no Graha Drishti."},
        {"Moon / Chandra", "29 Gem 07", "Sign aspected by Moon is Dhanus.",
         "Planet Moon has no Graha Drishti."},
        {"Mercury / Budha", "25 Gem 19", "Sign aspected by Mercury is Dhanus.",
         "Planet Mercury has no Graha Drishti."},
        {"Venus / Shukra", "01 Gem 09", "Sign aspected by Venus is Dhanus.",
         "Planet Venus has no Graha Drishti."},
        {"Mars / Mangala", "23 Leo 17", "Sign aspected by Mars is Vrischika, Kumbha, Meena.",
         "Planet Mars has no Graha Drishti."},
        {"Jupiter / Guru", "10 Leo 25", "Sign aspected by Jupiter is Dhanus, Kumbha, Mesha.",
         "Planet Jupiter has no Graha Drishti."},
        {"Saturn / Shani", "27 Leo 23", "Sign aspected by Saturn is Thula, Kumbha, Vrishabha.",
         "Planet Saturn has no Graha Drishti."},
        {"N Node / Rahu", "28 Can 35", "Sign aspected by N Node is Makara.",
         "Planet N Node has no Graha Drishti."},
    };
    ExpectRows(report.graha, graha);

    const ExpectedRow rashi[] = {
        {"Sun / Surya", "00 Gem 51", "Sun is aspecting by Rashi Drishti of Kanya, Dhanus, Meena.",
         "Planet Sun has no Rashi Drishti."},
        {"Moon / Chandra", "29 Gem 07",
         "Moon is aspecting by Rashi Drishti of Kanya, Dhanus, Meena.",
         "Planet Moon has no Rashi Drishti."},
        {"Mercury / Budha", "25 Gem 19",
         "Mercury is aspecting by Rashi Drishti of Kanya, Dhanus, Meena.",
         "Planet Mercury has no Rashi Drishti."},
        {"Venus / Shukra", "01 Gem 09",
         "Venus is aspecting by Rashi Drishti of Kanya, Dhanus, Meena.",
         "Planet Venus has no Rashi Drishti."},
        {"Mars / Mangala", "23 Leo 17",
         "Mars is aspecting by Rashi Drishti of Vrishabha, Vrischika, Kumbha.",
         "Planet Mars has no Rashi Drishti."},
        {"Jupiter / Guru", "10 Leo 25",
         "Jupiter is aspecting by Rashi Drishti of Vrishabha, Vrischika, Kumbha.",
         "Planet Jupiter has no Rashi Drishti."},
        {"Saturn / Shani", "27 Leo 23",
         "Saturn is aspecting by Rashi Drishti of Vrishabha, Vrischika, Kumbha.",
         "Planet Saturn has no Rashi Drishti."},
        {"N Node / Rahu", "28 Can 35", "N Node is aspecting by Rashi Drishti of .",
         "Planet N Node has no Rashi Drishti."},
        {"S Node / Ketu", "28 Cap 35", "S Node is aspecting by Rashi Drishti of .",
         "Planet S Node has no Rashi Drishti."},
    };
    ExpectRows(report.rashi, rashi);

    // Whole-degree longitudes 60, 89, 85, 61, 143, 130, 147, 118, 298.
    const int sputa[BODY_COUNT][BODY_COUNT] = {
        {0, 0, 0, 0, 38, 25, 46, 14, 31},   {0, 0, 0, 0, 12, 6, 56, 0, 46},
        {0, 0, 0, 0, 14, 8, 59, 2, 44},     {0, 0, 0, 0, 37, 24, 47, 14, 32},
        {38, 12, 14, 37, 0, 0, 0, 0, 10},   {25, 6, 8, 24, 0, 0, 0, 0, 36},
        {46, 56, 59, 47, 0, 0, 0, 0, 2},    {14, 0, 2, 14, 0, 0, 0, 0, 60},
        {31, 46, 44, 32, 10, 36, 2, 60, 0},
    };
    ExpectGrid(report.sputa.grid, sputa);
}

}  // namespace
}  // namespace sarovin
