#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace sarovin {

// Where each value sits in a reading, the first line at 0.
enum ReadingLine : std::size_t {
    NAME_LINE,
    MONTH_LINE,
    DAY_LINE,
    YEAR_LINE,
    HOUR_LINE,
    MINUTE_LINE,
    ZONE_LINE,
    LONGITUDE_DEGREES_LINE,
    LONGITUDE_MINUTES_LINE,
    LATITUDE_DEGREES_LINE,
    LATITUDE_MINUTES_LINE,
    IS_EAST_LINE,
    IS_SOUTH_LINE,
    DAYLIGHT_SAVING_LINE,
    CITY_LINE,
    STATE_LINE,
    COUNTRY_LINE,
    READING_LINE_COUNT,
};

// The lines of a reading, one value each. Depending on the step these are
// the stored (scrambled) bytes or the plain UTF-8 values.
using ReadingLines = std::array<std::string, READING_LINE_COUNT>;

// Every line of a reading file ends with these two bytes.
inline constexpr std::string_view READING_LINE_END = "\r\n";

// The texts a reading stores for its yes/no values.
inline constexpr std::string_view TRUE_TEXT = "True";
inline constexpr std::string_view FALSE_TEXT = "False";

}  // namespace sarovin
