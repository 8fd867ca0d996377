#include "bench/report/varied_readings.h"

#include <fstream>

#include "engine/birth_record.h"
#include "reading/reading_write.h"
#include "tables/zone_table.h"

namespace sarovin::bench {

namespace {

constexpr int YEARS_LISTED = 150;

BirthRecord VariedRecord(int index) {
    BirthRecord record;
    record.name = "Person " + std::to_string(index);
    record.day = static_cast<std::int16_t>(1 + index % 28);
    record.month = static_cast<std::int16_t>(1 + index % 12);
    record.year = static_cast<std::int16_t>(1901 + index % YEARS_LISTED);
    record.hour = static_cast<std::int16_t>(index % 24);
    record.minute = static_cast<std::int16_t>(index % 60);
    record.longitudeDegrees = static_cast<std::int16_t>(index % 180);
    record.longitudeMinutes = static_cast<std::int16_t>(index % 60);
    record.latitudeDegrees = static_cast<std::int16_t>(index % 90);
    record.latitudeMinutes = static_cast<std::int16_t>(index % 60);
    record.isEast = index % 2 == 0;
    record.isSouth = index % 3 == 0;
    record.daylightSaving = index % 5 == 0;
    record.city = "City";
    record.state = "State";
    record.country = "Country";
    return record;
}

}  // namespace

std::vector<std::string> WriteVariedReadings(const std::filesystem::path& folder, int count) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int index = 0; index < count; ++index) {
        names.push_back(std::to_string(index) + ".dri");
        std::ofstream(folder / names.back(), std::ios::binary)
            << WriteReading(VariedRecord(index), index % ZONE_COUNT);
    }
    return names;
}

}  // namespace sarovin::bench
