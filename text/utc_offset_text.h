#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sarovin {

// Offsets from Universal Time lie within 14 hours either side (Kiribati's
// Line Islands keep +14:00, the farthest the tz database knows).
inline constexpr int LARGEST_UTC_OFFSET_SECONDS = 14 * 3600;

// What a malformed or too large offset is told to look like.
inline constexpr std::string_view UTC_OFFSET_WANTED =
    "an offset from UTC as +HH:MM or +HH:MM:SS (- for west of Greenwich), from -14:00 to +14:00";

// "+05:45", "-03:30", "+00:00"; seconds only when there are any ("+05:21:10").
std::string UtcOffsetText(int seconds);

// Reads "+HH:MM" or "+HH:MM:SS" with a sign, hours of one or two digits,
// minutes and seconds of two digits below 60, within
// LARGEST_UTC_OFFSET_SECONDS: the offset in seconds, east positive.
std::optional<int> ParseUtcOffset(std::string_view text);

}  // namespace sarovin
