#include "reading/reading_restore.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "form/list_items.h"
#include "reading/reading_load.h"
#include "reading/reading_split.h"
#include "tables/zone_table.h"
#include "text/printable_text.h"
#include "text/trim_spaces.h"
#include "text/utc_offset_text.h"
#include "text/utf8_text.h"
#include "text/whole_number.h"

namespace sarovin {

namespace {

constexpr int FIRST_MONTH = 1;
constexpr int LAST_MONTH = 12;

bool EqualsIgnoringCase(std::string_view text, std::string_view expected) {
    return std::equal(text.begin(), text.end(), expected.begin(), expected.end(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

bool ReadFlag(std::string_view value) {
    if (EqualsIgnoringCase(TrimSpaces(value), FALSE_TEXT)) {
        return false;
    }
    // Any number but zero is true, fractions included.
    const auto number = ParseDecimal(value);
    return !number || *number != 0;
}

// The number in `value` when it lies in first..last.
std::optional<int> ReadNumberInRange(std::string_view value, int first, int last) {
    const auto number = ParseWholeNumber(value);
    if (number && *number >= first && *number <= last) {
        return *number;
    }
    return std::nullopt;
}

// Chooses the list item whose text is exactly `value`, if there is one.
void RestoreListItem(const std::vector<std::string>& items, std::string_view value, int& position) {
    const int found = PositionOfItem(items, value);
    if (found >= 0) {
        position = found;
    }
}

std::string DegreeBoxText(std::string_view value) {
    return std::string(CutToCharacters(value, DEGREE_BOX_LENGTH));
}

}  // namespace

void RestoreReading(const ReadingLines& values, InputForm& form) {
    const ListItems& items = StandardListItems();
    form.name = values[NAME_LINE];
    if (const auto month = ReadNumberInRange(values[MONTH_LINE], FIRST_MONTH, LAST_MONTH)) {
        form.monthPosition = *month - FIRST_MONTH;
    }
    RestoreListItem(items.days, values[DAY_LINE], form.dayPosition);
    RestoreListItem(items.years, values[YEAR_LINE], form.yearPosition);
    RestoreListItem(items.hours, values[HOUR_LINE], form.hourPosition);
    RestoreListItem(items.minutes, values[MINUTE_LINE], form.minutePosition);
    if (const auto zone = ReadNumberInRange(values[ZONE_LINE], 0, ZONE_COUNT - 1)) {
        form.zonePosition = *zone;
    }
    form.longitudeDegrees = DegreeBoxText(values[LONGITUDE_DEGREES_LINE]);
    form.longitudeMinutes = DegreeBoxText(values[LONGITUDE_MINUTES_LINE]);
    form.latitudeDegrees = DegreeBoxText(values[LATITUDE_DEGREES_LINE]);
    form.latitudeMinutes = DegreeBoxText(values[LATITUDE_MINUTES_LINE]);
    form.longitudeHemisphere =
        ReadFlag(values[IS_EAST_LINE]) ? LongitudeHemisphere::East : LongitudeHemisphere::West;
    form.latitudeHemisphere =
        ReadFlag(values[IS_SOUTH_LINE]) ? LatitudeHemisphere::South : LatitudeHemisphere::North;
    form.daylightSaving = ReadFlag(values[DAYLIGHT_SAVING_LINE]);
    form.city = values[CITY_LINE];
    form.state = values[STATE_LINE];
    form.country = values[COUNTRY_LINE];
}

Result<Done> RestoreExactOffset(std::string_view value, InputForm& form) {
    const std::size_t space = value.find(' ');
    const std::string_view offset = value.substr(0, space);
    const std::string_view zone =
        space == std::string_view::npos ? std::string_view() : value.substr(space + 1);
    const bool isOffset =
        ParseUtcOffset(offset).has_value() && (space == std::string_view::npos || !zone.empty());
    form.utcOffset = isOffset ? std::string(offset) : std::string();
    form.offsetZone = isOffset ? std::string(zone) : std::string();
    form.zoneUnsettled.clear();
    if (!isOffset && !value.empty()) {
        return RefuseWith(std::string(UNREADABLE_READING_MESSAGE) + " Its 18th line \"" +
                          PrintableText(value) + "\" is not an offset from Universal Time.");
    }
    return Done{};
}

Result<Done> RestoreExactOffsetLine(std::string_view file, InputForm& form) {
    if (EndsInsideExactOffsetLine(file)) {
        RestoreExactOffset({}, form);
        return RefuseWith(std::string(UNREADABLE_READING_MESSAGE) +
                          " It ends inside its 18th line, the offset from Universal Time.");
    }
    return RestoreExactOffset(ReadExactOffsetLine(file), form);
}

}  // namespace sarovin
