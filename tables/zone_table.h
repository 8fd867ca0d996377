#pragma once

#include <array>
#include <string>
#include <string_view>

namespace sarovin {

inline constexpr int ZONE_COUNT = 71;

// Whether a row's label has a space after each comma, as some rows do.
enum class LabelSpacing { None, AfterCommas };

// One time zone of the list: its name, its abbreviation, its offset from
// Universal Time in hours as the list shows it, and the whole hours and
// minutes to add to its clock time to reach Universal Time.
struct ZoneRow {
    std::string_view name;
    std::string_view abbreviation;
    std::string_view shownHours;
    int hoursToUt;
    int minutesToUt;
    LabelSpacing spacing;
};

// The zones in list order; a zone is known by its row index, which is also
// its number in a saved reading.
struct ZoneTable {
    std::array<ZoneRow, ZONE_COUNT> rows;
};

const ZoneTable& BuildZoneTable();

// The label the list shows for a row: "Name,ABBREVIATION,hours", with a
// space after each comma in the rows spaced so.
std::string ZoneLabel(const ZoneRow& row);

// The label of a zone row, or an empty text for a position outside the list.
std::string_view ZoneLabelAt(int position);

}  // namespace sarovin
