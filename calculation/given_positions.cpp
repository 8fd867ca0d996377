#include "calculation/given_positions.h"
#include "zodiac/zodiac.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdio>
#include <vector>

#include "text/printable_text.h"

namespace sarovin {

namespace {

constexpr double HALF_CIRCLE = 180;
constexpr int LAST_MINUTE = 59;
constexpr int LAGNA_ENTRY = 8;
constexpr int MIDHEAVEN_ENTRY = 9;
// The body slot of each entry before the Lagna.
constexpr std::array<int, LAGNA_ENTRY> ENTRY_SLOTS = {Sun,     Moon,  Mars,   Mercury,
                                                      Jupiter, Venus, Saturn, NNode};
constexpr char SEPARATOR = ',';
constexpr char EQUALS = '=';
constexpr char UNIT_SEPARATOR = ':';

// One to three digits, at most `last`.
std::optional<int> WholeInRange(std::string_view text, int last) {
    if (text.empty() || text.size() > 3 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    int value = 0;
    for (const char digit : text) {
        value = value * 10 + (digit - '0');
    }
    return value <= last ? std::optional(value) : std::nullopt;
}

std::optional<int> EntryOf(std::string_view name) {
    const auto* found = std::find(GIVEN_ENTRY_NAMES.begin(), GIVEN_ENTRY_NAMES.end(), name);
    return found == GIVEN_ENTRY_NAMES.end()
               ? std::nullopt
               : std::optional(static_cast<int>(found - GIVEN_ENTRY_NAMES.begin()));
}

}  // namespace

std::array<double, HOUSES> TrisectedQuadrants(double lagna, double midheaven) {
    const double tenthToFirst = ZodiacDegrees(lagna - midheaven) / 3;
    const double firstToFourth = ZodiacDegrees(midheaven + HALF_CIRCLE - lagna) / 3;
    std::array<double, HOUSES> cusps{};
    for (int step = 0; step < 3; ++step) {
        // Cusps 10, 11, 12 and 1, 2, 3 and their opposites 4, 5, 6 and 7, 8, 9.
        cusps[9 + step] = ZodiacDegrees(midheaven + step * tenthToFirst);
        cusps[step] = ZodiacDegrees(lagna + step * firstToFourth);
        cusps[3 + step] = ZodiacDegrees(cusps[9 + step] + HALF_CIRCLE);
        cusps[6 + step] = ZodiacDegrees(cusps[step] + HALF_CIRCLE);
    }
    return cusps;
}

double GivenEntry(const GivenPositions& given, int entry) {
    if (entry == LAGNA_ENTRY) {
        return given.lagna;
    }
    if (entry == MIDHEAVEN_ENTRY) {
        return given.midheaven;
    }
    return given.bodies[static_cast<std::size_t>(ENTRY_SLOTS[static_cast<std::size_t>(entry)])];
}

void SetGivenEntry(GivenPositions& given, int entry, double longitude) {
    if (entry == LAGNA_ENTRY) {
        given.lagna = longitude;
    } else if (entry == MIDHEAVEN_ENTRY) {
        given.midheaven = longitude;
    } else {
        given.bodies[static_cast<std::size_t>(ENTRY_SLOTS[static_cast<std::size_t>(entry)])] =
            longitude;
    }
}

std::optional<double> ReadGivenLongitude(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(UNIT_SEPARATOR, start), text.size());
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (parts.size() < 2 || parts.size() > 3) {
        return std::nullopt;
    }
    double degrees = 0;
    double unit = 1;
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const std::optional<int> part =
            WholeInRange(parts[index], index == 0 ? static_cast<int>(FULL_CIRCLE) : LAST_MINUTE);
        if (!part) {
            return std::nullopt;
        }
        degrees += *part / unit;
        unit *= 60;
    }
    if (degrees > FULL_CIRCLE) {
        return std::nullopt;
    }
    return degrees == FULL_CIRCLE ? 0 : degrees;
}

std::string GivenLongitudeText(double longitude) {
    const long seconds = std::lround(longitude * 3600) % (360L * 3600);
    char text[16];
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

Result<GivenPositions> ReadGivenPositions(std::string_view text, std::string_view where) {
    GivenPositions given;
    std::bitset<GIVEN_ENTRIES> seen;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(SEPARATOR, start), text.size());
        const std::string_view written = text.substr(start, end - start);
        const std::size_t equals = written.find(EQUALS);
        const std::optional<int> entry =
            equals == std::string_view::npos ? std::nullopt : EntryOf(written.substr(0, equals));
        const std::optional<double> longitude =
            entry ? ReadGivenLongitude(written.substr(equals + 1)) : std::nullopt;
        if (!longitude) {
            return RefuseWith("bad entry '" + PrintableText(written) + "' in " +
                              std::string(where) + ": give NAME=degrees:minutes[:seconds]");
        }
        const auto index = static_cast<std::size_t>(*entry);
        if (seen.test(index)) {
            return RefuseWith(std::string(where) + " gives " +
                              std::string(GIVEN_ENTRY_NAMES[index]) + " twice");
        }
        seen.set(index);
        SetGivenEntry(given, *entry, *longitude);
        start = end + 1;
    }
    for (std::size_t entry = 0; entry < GIVEN_ENTRY_NAMES.size(); ++entry) {
        if (!seen.test(entry)) {
            return RefuseWith(std::string(where) + " lacks " +
                              std::string(GIVEN_ENTRY_NAMES[entry]));
        }
    }
    return given;
}

std::string GivenPositionsText(const GivenPositions& given) {
    std::string text;
    for (int entry = 0; entry < GIVEN_ENTRIES; ++entry) {
        text += (entry == 0 ? "" : ",") +
                std::string(GIVEN_ENTRY_NAMES[static_cast<std::size_t>(entry)]) + "=" +
                GivenLongitudeText(GivenEntry(given, entry));
    }
    return text;
}

}  // namespace sarovin
