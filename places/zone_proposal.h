#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sarovin {

// The row of the zone list and the daylight saving tick that a place's time
// zone suggests for a birth's local date and clock time.
struct ZoneProposal {
    // Row of the zone table; none when the list cannot express the time
    // the clocks kept.
    std::optional<int> zoneRow;
    bool daylightSaving = false;
    // One line for the person: what the tz database says and what follows.
    std::string note;
};

// Looks the clock time up in the system's tz database for the IANA zone
// ("Asia/Kolkata"). The standard offset picks the row, preferring the row
// named by the zone's standard abbreviation; daylight saving of one hour
// sets the tick. A clock time the clocks skipped gives no row; one they
// showed twice is taken as standard time.
ZoneProposal ProposeZone(std::string_view ianaZone, int year, int month, int day, int hour,
                         int minute);

}  // namespace sarovin
