#pragma once

#include "engine/birth_record.h"
#include "engine/civil_time.h"
#include "swiss/swiss_ephemeris.h"

namespace sarovin {

// The Universal Time of a birth, as a civil date and time for display and
// as a Julian day for the ephemeris.
struct UniversalBirthMoment {
    CivilTime civil;
    double julianDayUt = 0;
};

// Clock time plus the zone's signed corrections, less one hour when the
// clock was on daylight saving time, carried across days, months and years;
// with an exact offset, clock time less that offset to the second. The
// civil time is to the minute, its seconds cut off.
UniversalBirthMoment SwissBirthMoment(const BirthRecord& record);

// A place in signed decimal degrees: north and east positive.
struct BirthPlace {
    double latitudeDegrees = 0;
    double longitudeDegrees = 0;
};

BirthPlace BirthPlaceDegrees(const BirthRecord& record);

// The ephemeris request for a birth record at its Universal Time `moment`
// and its place.
SwissRequest SwissRequestAt(const UniversalBirthMoment& moment, const BirthRecord& record,
                            LunarNode node);

// The ephemeris request for a birth record: its Universal Time and place.
SwissRequest SwissRequestFor(const BirthRecord& record, LunarNode node);

}  // namespace sarovin
