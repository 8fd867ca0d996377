#include "engine/body_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

struct TableCase {
    const char* what;
    BirthRecord record;
    std::array<const char*, BODY_COUNT> positions;
};

// The two worked end-to-end body tables: 1 January 2000, 12:00 UT at
// Greenwich, and 15 June 1980, 08:30 Indian Time at 77°12' East.
TEST(ComputeBodyTable, MatchesBothEndToEndChecks) {
    const TableCase cases[] = {
        {"2000-01-01 12:00 UT",
         testing::GreenwichNoonBirth(),
         {"16 Sag 31", "19 Lib 27", "08 Sag 03", "07 Sco 43", "04 Aqu 07", "01 Ari 30", "16 Ari 21",
          "10 Can 16", "10 Cap 16"}},
        {"1980-06-15 08:30 IST, 77°12' E",
         testing::AshaRaoBirth(),
         {"00 Gem 51", "29 Gem 07", "25 Gem 19", "01 Gem 09", "23 Leo 17", "10 Leo 25", "27 Leo 23",
          "28 Can 35", "28 Cap 35"}},
    };
    for (const TableCase& c : cases) {
        const BodyTable table = ComputeBodyTable(c.record);
        for (int slot = 0; slot < BODY_COUNT; ++slot) {
            EXPECT_EQ(table.entries[slot].position, c.positions[slot])
                << c.what << " slot " << slot;
        }
    }
}

// The fixed English and Sanskrit names of the nine slots.
TEST(ComputeBodyTable, WritesTheFixedNames) {
    const BodyTable table = ComputeBodyTable(testing::GreenwichNoonBirth());
    const char* english[] = {"Sun",     "Moon",   "Mercury", "Venus", "Mars",
                             "Jupiter", "Saturn", "N Node",  "S Node"};
    const char* vedic[] = {"Surya", "Chandra", "Budha", "Shukra", "Mangala",
                           "Guru",  "Shani",   "Rahu",  "Ketu"};
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        EXPECT_EQ(table.entries[slot].englishName, english[slot]);
        EXPECT_EQ(table.entries[slot].vedicName, vedic[slot]);
    }
}

// The ayanamsa of the two worked end-to-end checks: 23.85399 and 23.58185.
TEST(ComputeBirthAyanamsa, MatchesBothEndToEndChecks) {
    EXPECT_NEAR(ComputeBirthAyanamsa(testing::GreenwichNoonBirth()), -23.85399, 5e-6);
    EXPECT_NEAR(ComputeBirthAyanamsa(testing::AshaRaoBirth()), -23.58185, 5e-6);
}

TEST(ComputeBodyTable, PlanetsIgnoreDaylightSavingButTheMoonDoesNot) {
    const BirthRecord plain = testing::AshaRaoBirth();
    BirthRecord saving = plain;
    saving.daylightSaving = true;
    const double ayanamsa = ComputeBirthAyanamsa(plain);
    // 125.125 degrees is 5° 7' 30" Leo (by hand).
    const double moon = 125 + 7.5 / 60;
    const BodyTable withoutSaving = ComputeBodyTable(plain, ayanamsa, moon);
    const BodyTable withSaving = ComputeBodyTable(saving, ayanamsa, moon);
    EXPECT_EQ(withoutSaving, withSaving);
    EXPECT_EQ(withSaving.entries[Moon].position, "05 Leo 07");
    EXPECT_NE(ComputeMoonPosition(plain), ComputeMoonPosition(saving));
}

// Worked edge case: 31 December 23:30 at a correction of +1 hour is
// 1 January of the next year, 00:30.
TEST(ComputeBodyTable, ZoneCorrectionCarriesIntoTheNextYear) {
    BirthRecord lateEvening;
    lateEvening.day = 31;
    lateEvening.month = 12;
    lateEvening.year = 1999;
    lateEvening.hour = 23;
    lateEvening.minute = 30;
    lateEvening.zoneHoursToUt = 1;
    BirthRecord nextMorning;
    nextMorning.day = 1;
    nextMorning.month = 1;
    nextMorning.year = 2000;
    nextMorning.minute = 30;
    const BodyTable carried = ComputeBodyTable(lateEvening, -23.85, 0.0);
    const BodyTable direct = ComputeBodyTable(nextMorning, -23.85, 0.0);
    EXPECT_EQ(carried, direct);
}

struct BoundaryCase {
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int zoneRowHours;
    int zoneRowMinutes;
    bool east;
};

// The first and last minutes of the offered years with the largest zone
// corrections either way, and two leap days: every text keeps its layout.
TEST(ComputeBodyTable, GivesWellFormedTextsAtTheEndsOfTheOfferedRange) {
    const BoundaryCase cases[] = {
        {1901, 1, 1, 0, 0, -13, 0, true},      {1901, 1, 1, 0, 0, 12, 0, false},
        {2050, 12, 31, 23, 59, -13, 0, true},  {2050, 12, 31, 23, 59, 12, 0, false},
        {2000, 2, 29, 23, 45, -12, -30, true}, {1904, 2, 29, 0, 15, 10, 30, false},
    };
    for (const BoundaryCase& c : cases) {
        BirthRecord record;
        record.year = static_cast<std::int16_t>(c.year);
        record.month = static_cast<std::int16_t>(c.month);
        record.day = static_cast<std::int16_t>(c.day);
        record.hour = static_cast<std::int16_t>(c.hour);
        record.minute = static_cast<std::int16_t>(c.minute);
        record.zoneHoursToUt = static_cast<std::int16_t>(c.zoneRowHours);
        record.zoneMinutesToUt = static_cast<std::int16_t>(c.zoneRowMinutes);
        record.zoneHoursAbs = static_cast<std::int16_t>(std::abs(c.zoneRowHours));
        record.zoneMinutesAbs = static_cast<std::int16_t>(std::abs(c.zoneRowMinutes));
        record.longitudeDegrees = 100;
        record.isEast = c.east;
        for (const bool saving : {false, true}) {
            record.daylightSaving = saving;
            const BodyTable table = ComputeBodyTable(record);
            for (int slot = 0; slot < BODY_COUNT; ++slot) {
                const std::string& position = table.entries[slot].position;
                ASSERT_EQ(position.size(), 9u) << c.year << " slot " << slot;
                EXPECT_LE(std::stoi(position.substr(0, 2)), 29);
                EXPECT_LE(std::stoi(position.substr(7, 2)), 59);
            }
        }
    }
}

}  // namespace
}  // namespace sarovin
