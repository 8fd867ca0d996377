#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "drishti/drishti_report.h"
#include "tables/zone_table.h"
#include "tests/support/position_text_reading.h"

namespace sarovin {
namespace {

// A birth anywhere in the offered years, zones and longitudes.
BirthRecord RandomBirth(std::mt19937& generator) {
    const auto pick = [&generator](int first, int last) {
        return static_cast<std::int16_t>(
            std::uniform_int_distribution<int>(first, last)(generator));
    };
    const ZoneTable& zones = BuildZoneTable();
    const ZoneRow& zone = zones.rows[static_cast<std::size_t>(pick(0, ZONE_COUNT - 1))];
    BirthRecord record;
    record.year = pick(1901, 2050);
    record.month = pick(1, 12);
    record.day = pick(1, 28);
    record.hour = pick(0, 23);
    record.minute = pick(0, 59);
    record.zoneHoursToUt = static_cast<std::int16_t>(zone.hoursToUt);
    record.zoneMinutesToUt = static_cast<std::int16_t>(zone.minutesToUt);
    record.zoneHoursAbs = static_cast<std::int16_t>(std::abs(zone.hoursToUt));
    record.zoneMinutesAbs = static_cast<std::int16_t>(std::abs(zone.minutesToUt));
    record.longitudeDegrees = pick(0, 180);
    record.longitudeMinutes = pick(0, 59);
    record.isEast = pick(0, 1) == 1;
    record.daylightSaving = pick(0, 1) == 1;
    return record;
}

// The same table known only by its texts: every number read back from the
// short position texts, as the results were once computed.
BodyTable TextOnlyTable(const BodyTable& table) {
    BodyTable copy;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        const BodyEntry& entry = table.entries[slot];
        copy.entries[slot] =
            testing::EntryOfShortText(entry.englishName, entry.vedicName, entry.position);
    }
    return copy;
}

TEST(NumericPositions, GiveTheSameResultsAsTheirTexts) {
    std::mt19937 generator(1980);
    for (int i = 0; i < 5000; ++i) {
        const BodyTable table = ComputeBodyTable(RandomBirth(generator));
        const DrishtiReport numeric = ComputeDrishtiReport(table);
        const DrishtiReport fromTexts = ComputeDrishtiReport(TextOnlyTable(table));
        ASSERT_EQ(numeric.graha, fromTexts.graha) << i;
        ASSERT_EQ(numeric.rashi, fromTexts.rashi) << i;
        ASSERT_EQ(numeric.sputa, fromTexts.sputa) << i;
    }
}

TEST(NumericPositions, AgreeWithTheirOwnTexts) {
    std::mt19937 generator(2050);
    for (int i = 0; i < 5000; ++i) {
        for (const BodyEntry& entry : ComputeBodyTable(RandomBirth(generator)).entries) {
            ASSERT_GE(entry.longitude, 0.0);
            ASSERT_LE(entry.longitude, 360.0);
            ASSERT_EQ(testing::SignOfShortText(entry.position), entry.place.sign) << entry.position;
            ASSERT_EQ(std::stoi(entry.position.substr(0, 2)), entry.place.degrees);
            ASSERT_EQ(std::stoi(entry.position.substr(7, 2)), entry.place.minutes);
        }
    }
}

}  // namespace
}  // namespace sarovin
