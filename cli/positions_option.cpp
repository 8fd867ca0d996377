#include "cli/positions_option.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <vector>

#include "cli/option_values.h"
#include "text/printable_text.h"

namespace sarovin {

namespace {

constexpr char SEPARATOR = ',';
constexpr char EQUALS = '=';
constexpr char UNIT_SEPARATOR = ':';
constexpr int FULL_CIRCLE = 360;
constexpr int LAST_MINUTE = 59;

// The entries, in the order a missing one is named; where each goes.
constexpr int LAGNA_ENTRY = 8;
constexpr int MIDHEAVEN_ENTRY = 9;
constexpr int ENTRIES = 10;
struct Entry {
    std::string_view name;
    int slot;
};
constexpr std::array<Entry, ENTRIES> ENTRY_NAMES = {{
    {"Sun", Sun},
    {"Moon", Moon},
    {"Mars", Mars},
    {"Mercury", Mercury},
    {"Jupiter", Jupiter},
    {"Venus", Venus},
    {"Saturn", Saturn},
    {"Rahu", NNode},
    {"Lagna", LAGNA_ENTRY},
    {"MC", MIDHEAVEN_ENTRY},
}};

std::optional<int> EntryOf(std::string_view name) {
    for (std::size_t index = 0; index < ENTRY_NAMES.size(); ++index) {
        if (ENTRY_NAMES[index].name == name) {
            return static_cast<int>(index);
        }
    }
    return std::nullopt;
}

// degrees:minutes[:seconds], degrees 0-360, minutes and seconds 0-59, at
// most 360 in all; 360 is 0.
std::optional<double> ReadLongitude(std::string_view text) {
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
            ParseNumberInRange(parts[index], 0, index == 0 ? FULL_CIRCLE : LAST_MINUTE);
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

void Place(GivenPositions& given, int entry, double longitude) {
    const int slot = ENTRY_NAMES[static_cast<std::size_t>(entry)].slot;
    if (slot == LAGNA_ENTRY) {
        given.lagna = longitude;
    } else if (slot == MIDHEAVEN_ENTRY) {
        given.midheaven = longitude;
    } else {
        given.bodies[static_cast<std::size_t>(slot)] = longitude;
    }
}

}  // namespace

Result<GivenPositions> ReadGivenPositions(std::string_view text) {
    GivenPositions given;
    std::bitset<ENTRIES> seen;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(SEPARATOR, start), text.size());
        const std::string_view written = text.substr(start, end - start);
        const std::size_t equals = written.find(EQUALS);
        const std::optional<int> entry =
            equals == std::string_view::npos ? std::nullopt : EntryOf(written.substr(0, equals));
        const std::optional<double> longitude =
            entry ? ReadLongitude(written.substr(equals + 1)) : std::nullopt;
        if (!longitude) {
            return RefuseWith("bad entry '" + PrintableText(written) +
                              "' in --positions: give NAME=degrees:minutes[:seconds]");
        }
        if (seen.test(static_cast<std::size_t>(*entry))) {
            return RefuseWith("--positions gives " +
                              std::string(ENTRY_NAMES[static_cast<std::size_t>(*entry)].name) +
                              " twice");
        }
        seen.set(static_cast<std::size_t>(*entry));
        Place(given, *entry, *longitude);
        start = end + 1;
    }
    for (std::size_t entry = 0; entry < ENTRY_NAMES.size(); ++entry) {
        if (!seen.test(entry)) {
            return RefuseWith("--positions lacks " + std::string(ENTRY_NAMES[entry].name));
        }
    }
    return given;
}

}  // namespace sarovin
