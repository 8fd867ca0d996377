#pragma once

#include "engine/birth_record.h"

namespace sarovin::testing {

// Noon of 1 January 2000 at Greenwich (zone row 29): the epoch of the
// planets' elements.
inline constexpr int GREENWICH_ZONE = 29;

inline BirthRecord GreenwichNoonBirth() {
    BirthRecord record;
    record.name = "Greenwich Noon";
    record.day = 1;
    record.month = 1;
    record.year = 2000;
    record.hour = 12;
    record.latitudeDegrees = 51;
    record.latitudeMinutes = 28;
    record.city = "Greenwich";
    record.state = "London";
    record.country = "United Kingdom";
    return record;
}

// 15 June 1980, 08:30 Indian Time (zone row 34), 77°12' E, 28°36' N.
inline constexpr int INDIAN_TIME_ZONE = 34;

inline BirthRecord AshaRaoBirth() {
    BirthRecord record;
    record.name = "Asha Rao";
    record.day = 15;
    record.month = 6;
    record.year = 1980;
    record.hour = 8;
    record.minute = 30;
    record.zoneHoursAbs = 5;
    record.zoneMinutesAbs = 30;
    record.zoneHoursToUt = -5;
    record.zoneMinutesToUt = -30;
    record.longitudeDegrees = 77;
    record.longitudeMinutes = 12;
    record.latitudeDegrees = 28;
    record.latitudeMinutes = 36;
    record.isEast = true;
    record.city = "New Delhi";
    record.state = "Delhi";
    record.country = "India";
    return record;
}

}  // namespace sarovin::testing
