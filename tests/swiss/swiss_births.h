#pragma once

#include "engine/birth_record.h"

namespace sarovin::testing {

// A birth as typed on the panel: the clock time, the zone's corrections to
// reach Universal Time, daylight saving, and the place in degrees and minutes.
struct SwissBirth {
    const char* what;
    int day, month, year, hour, minute;
    int zoneHoursToUt, zoneMinutesToUt;
    bool daylightSaving;
    int latitudeDegrees, latitudeMinutes;
    char northSouth;
    int longitudeDegrees, longitudeMinutes;
    char eastWest;
};

inline BirthRecord ToRecord(const SwissBirth& birth) {
    BirthRecord record;
    record.name = birth.what;
    record.day = static_cast<std::int16_t>(birth.day);
    record.month = static_cast<std::int16_t>(birth.month);
    record.year = static_cast<std::int16_t>(birth.year);
    record.hour = static_cast<std::int16_t>(birth.hour);
    record.minute = static_cast<std::int16_t>(birth.minute);
    record.zoneHoursToUt = static_cast<std::int16_t>(birth.zoneHoursToUt);
    record.zoneMinutesToUt = static_cast<std::int16_t>(birth.zoneMinutesToUt);
    record.daylightSaving = birth.daylightSaving;
    record.latitudeDegrees = static_cast<std::int16_t>(birth.latitudeDegrees);
    record.latitudeMinutes = static_cast<std::int16_t>(birth.latitudeMinutes);
    record.isSouth = birth.northSouth == 'S';
    record.longitudeDegrees = static_cast<std::int16_t>(birth.longitudeDegrees);
    record.longitudeMinutes = static_cast<std::int16_t>(birth.longitudeMinutes);
    record.isEast = birth.eastWest == 'E';
    return record;
}

}  // namespace sarovin::testing
