#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sarovin {

// The row of the zone list and the daylight saving tick, or the exact
// offset from Universal Time, that a place's time zone suggests for a
// birth's local date and clock time.
struct ZoneProposal {
    // Row of the zone table; none when the list cannot express the time
    // the clocks kept.
    std::optional<int> zoneRow;
    bool daylightSaving = false;
    // One line for the person: what the tz database says and what follows.
    std::string note;
    // The offset in seconds east of Greenwich, when no row expresses it.
    std::optional<int> exactOffset;
    // For a clock time shown twice: the proposals of the earlier instant
    // (before the clocks went back) and of the later one; this proposal
    // then settles nothing.
    std::vector<ZoneProposal> repeated;

    bool Settles() const { return zoneRow || exactOffset; }
};

// Looks the clock time up in the system's tz database for the IANA zone
// ("Asia/Kolkata"). The standard offset picks the row, preferring the row
// named by the zone's standard abbreviation; daylight saving of one hour
// sets the tick. Other daylight saving, or a standard time no row keeps,
// takes a row of the whole offset without the tick, else the exact offset.
// A clock time the clocks skipped settles nothing; one they showed twice
// offers both instants.
ZoneProposal ProposeZone(std::string_view ianaZone, int year, int month, int day, int hour,
                         int minute);

}  // namespace sarovin
