#include <gtest/gtest.h>

#include <random>
#include <string>

#include "drishti/drishti_report.h"
#include "tests/support/body_tables.h"
#include "zodiac/zodiac.h"

namespace sarovin {
namespace {

bool Names(const std::string& caption, const std::string& body) {
    return caption.find(" " + body + ",") != std::string::npos ||
           caption.find(" " + body + ".") != std::string::npos;
}

class GeneratedTables : public ::testing::Test {
  protected:
    BodyTable NextTable() {
        std::uniform_int_distribution<int> longitude(0, 359);
        std::array<int, BODY_COUNT> longitudes{};
        for (int& value : longitudes) {
            value = longitude(generator_);
        }
        return testing::TableWithLongitudes(longitudes);
    }

  private:
    std::mt19937 generator_{4242};
};

TEST_F(GeneratedTables, SputaGridIsSymmetricWithZeroDiagonalAndBoundedCells) {
    for (int i = 0; i < 2000; ++i) {
        const SputaGrid grid = ComputeSputaDrishti(NextTable()).grid;
        for (int row = 0; row < BODY_COUNT; ++row) {
            EXPECT_EQ(grid[row][row], 0);
            for (int column = 0; column < BODY_COUNT; ++column) {
                EXPECT_EQ(grid[row][column], grid[column][row]);
                EXPECT_GE(grid[row][column], 0);
                EXPECT_LE(grid[row][column], 60);
            }
        }
    }
}

TEST_F(GeneratedTables, NodesAreNamedOnlyWhereTheRulesAllow) {
    for (int i = 0; i < 2000; ++i) {
        const BodyTable table = NextTable();
        const auto graha = ComputeGrahaDrishti(table);
        const auto rashi = ComputeRashiDrishti(table, Rules::Sarovin115);
        for (const DrishtiRow& row : graha) {
            EXPECT_FALSE(Names(row.planetsCaption, "S Node")) << row.planetsCaption;
        }
        for (const DrishtiRow& row : rashi) {
            EXPECT_FALSE(Names(row.planetsCaption, "S Node")) << row.planetsCaption;
            EXPECT_FALSE(Names(row.planetsCaption, "N Node")) << row.planetsCaption;
        }
    }
}

TEST_F(GeneratedTables, RashiRelationsAreMutualAndSkipTheOwnSign) {
    for (int i = 0; i < 2000; ++i) {
        const BodyTable table = NextTable();
        const auto rashi = ComputeRashiDrishti(table, Rules::Sarovin115);
        for (int body = 0; body < 7; ++body) {
            for (int other = 0; other < 7; ++other) {
                const bool named =
                    Names(rashi[body].planetsCaption, table.entries[other].englishName);
                const bool namedBack =
                    Names(rashi[other].planetsCaption, table.entries[body].englishName);
                EXPECT_EQ(named, namedBack) << body << " and " << other;
                if (table.entries[body].place.sign == table.entries[other].place.sign) {
                    EXPECT_FALSE(named) << body << " shares its sign with " << other;
                }
            }
        }
    }
}

TEST_F(GeneratedTables, GrahaNeverNamesBodiesOfTheOwnSign) {
    for (int i = 0; i < 2000; ++i) {
        const BodyTable table = NextTable();
        const auto graha = ComputeGrahaDrishti(table);
        for (int body = 0; body < GRAHA_ROWS; ++body) {
            for (int other = 0; other < GRAHA_ROWS; ++other) {
                if (table.entries[body].place.sign == table.entries[other].place.sign) {
                    EXPECT_FALSE(
                        Names(graha[body].planetsCaption, table.entries[other].englishName));
                }
            }
        }
    }
}

}  // namespace
}  // namespace sarovin
