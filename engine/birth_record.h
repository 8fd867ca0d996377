#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/exact_offset.h"

namespace sarovin {

// One person's birth data as the window hands it to the engine. Degree and
// minute magnitudes are kept as typed; the hemispheres are flags.
struct BirthRecord {
    std::string name;
    std::int16_t day = 0;
    std::int16_t month = 0;
    std::int16_t year = 0;
    std::int16_t hour = 0;
    std::int16_t minute = 0;
    // Zone corrections: the amounts to add to the clock time to reach
    // Universal Time, once as magnitudes and once with their sign.
    std::int16_t zoneHoursAbs = 0;
    std::int16_t zoneMinutesAbs = 0;
    std::int16_t zoneHoursToUt = 0;
    std::int16_t zoneMinutesToUt = 0;
    std::int16_t longitudeDegrees = 0;
    std::int16_t longitudeMinutes = 0;
    std::int16_t latitudeDegrees = 0;
    std::int16_t latitudeMinutes = 0;
    bool isEast = false;
    bool isSouth = false;
    bool daylightSaving = false;
    // An exact offset from Universal Time in force instead of the zone row
    // and the tick; the zone corrections above then hold it in whole
    // minutes, and the tick is off.
    std::optional<ExactOffset> exactOffset;
    std::string city;
    std::string state;
    std::string country;

    friend bool operator==(const BirthRecord&, const BirthRecord&) = default;
};

}  // namespace sarovin
