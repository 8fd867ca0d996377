#pragma once

#include <string>

#include "engine/birth_record.h"
#include "engine/civil_time.h"

namespace sarovin {

// Whose chart it is, in one line: "Asha Rao — 15 June 1980 08:30, New
// Delhi, Delhi, India"; empty places are left out with their commas.
std::string BirthSummary(const BirthRecord& record);

// A date and clock time as people read it: "15 June 1980 08:30".
std::string CivilMomentText(const CivilTime& time);

// The date and clock time of the birth, as CivilMomentText writes them.
std::string BirthMomentText(const BirthRecord& record);

// The places of the birth: "New Delhi, Delhi, India"; empty places are
// left out with their commas.
std::string BirthPlaceText(const BirthRecord& record);

// The offset east of Universal Time a birth's clock kept, in seconds: the
// exact offset, or the zone row's with an hour more when the tick is on.
int UtcOffsetSeconds(const BirthRecord& record);

// The offset used and where it came from: "UTC+05:45 from the atlas
// (Asia/Kathmandu)", "UTC-03:30 as typed", or "UTC+05:30 from the zone
// row Indian Time, IST, +5.3", with " and daylight saving" when ticked.
std::string OffsetUsedText(const BirthRecord& record, int zonePosition);

// The zone as the text header and the printed page name it: the row's
// label, or for an exact offset "UTC+05:45 from the atlas (Asia/Kathmandu)"
// or "UTC+05:45 as typed".
std::string ZoneUsedText(const BirthRecord& record, int zonePosition);

}  // namespace sarovin
