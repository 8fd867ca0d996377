#pragma once

#include <array>
#include <string_view>

namespace sarovin {

inline constexpr int ZONE_COUNT = 71;

// One time zone of the list: the label shown and the whole hours and
// minutes to add to its clock time to reach Universal Time.
struct ZoneRow {
    std::string_view zoneLabel;
    int hoursToUt;
    int minutesToUt;
};

// The zones in list order; a zone is known by its row index, which is also
// its number in a saved reading.
struct ZoneTable {
    std::array<ZoneRow, ZONE_COUNT> rows;
};

const ZoneTable& BuildZoneTable();

// The label of a zone row, or an empty text for a position outside the list.
std::string_view ZoneLabelAt(int position);

}  // namespace sarovin
