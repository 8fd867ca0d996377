#pragma once

#include "engine/birth_record.h"

namespace sarovin {

// Universal Time of birth in hours, not reduced into 0-24: the zone is
// applied in the direction of the longitude's hemisphere, and daylight
// saving puts the clock one hour ahead of the zone.
double BirthUniversalTime(const BirthRecord& record);

// Day number whose noon is the given calendar date (2000-01-01 -> 2451545);
// Julian calendar up to 1582-10-15 inclusive, Gregorian after it.
double JulianDayNumber(int month, int day, int year);

// Julian centuries of Universal Time since 2000 January 1, 12h.
double CenturiesSinceJ2000(double dayNumber, double universalHours);

}  // namespace sarovin
