#include "cli/birth_options.h"

#include <array>

#include "atlas/place_search.h"
#include "cli/place_birth.h"
#include "form/list_items.h"
#include "tables/zone_table.h"
#include "text/printable_text.h"
#include "text/utc_offset_text.h"

namespace sarovin {

namespace {

struct NumberOption {
    std::string_view name;
    int first;
    int last;
    int TypedBirth::*field;
};

struct TextOption {
    std::string_view name;
    std::string TypedBirth::*field;
};

// The ranges the window's lists offer; the lists hold consecutive numbers
// (months as names), days and months counted from one.
std::array<NumberOption, 5> MomentOptions() {
    const ListItems& items = StandardListItems();
    return {{
        {"day", 1, static_cast<int>(items.days.size()), &TypedBirth::day},
        {"month", 1, static_cast<int>(items.months.size()), &TypedBirth::month},
        {"year", FIRST_YEAR, LAST_YEAR, &TypedBirth::year},
        {"hour", 0, static_cast<int>(items.hours.size()) - 1, &TypedBirth::hour},
        {"minute", 0, static_cast<int>(items.minutes.size()) - 1, &TypedBirth::minute},
    }};
}

constexpr NumberOption ZONE_OPTION = {"zone", 0, ZONE_COUNT - 1, &TypedBirth::zone};
constexpr std::string_view UTC_OFFSET_OPTION = "utc-offset";

constexpr std::array<TextOption, 4> TEXT_OPTIONS = {{
    {"name", &TypedBirth::name},
    {"city", &TypedBirth::city},
    {"state", &TypedBirth::state},
    {"country", &TypedBirth::country},
}};

std::string OptionText(std::string_view name) {
    return "--" + std::string(name);
}

std::string Missing(std::string_view what) {
    return "missing " + std::string(what);
}

std::string BadValue(std::string_view name, std::string_view value, std::string_view wanted) {
    return "bad value '" + PrintableText(value) + "' for " + OptionText(name) + ": give " +
           std::string(wanted);
}

std::string NumberWanted(int first, int last) {
    return "a whole number " + std::to_string(first) + "-" + std::to_string(last);
}

// Reads a number option into the birth; one not given is missing when
// `required`, else leaves the birth alone.
std::string ReadNumber(const GivenOptions& given, const NumberOption& option, bool required,
                       TypedBirth& birth) {
    const auto found = given.find(option.name);
    if (found == given.end()) {
        return required ? Missing(OptionText(option.name)) : std::string();
    }
    const auto value = ParseNumberInRange(found->second, option.first, option.last);
    if (!value) {
        return BadValue(option.name, found->second, NumberWanted(option.first, option.last));
    }
    birth.*option.field = *value;
    return {};
}

std::string ReadMoment(const GivenOptions& given, TypedBirth& birth) {
    for (const NumberOption& option : MomentOptions()) {
        if (std::string error = ReadNumber(given, option, true, birth); !error.empty()) {
            return error;
        }
    }
    return {};
}

// Reads a DEG:MIN option into `angle`; an option not given leaves it alone.
std::string ReadAngle(const GivenOptions& given, std::string_view name, DegreesMinutes& angle) {
    const auto found = given.find(name);
    if (found == given.end()) {
        return {};
    }
    const auto value = ParseDegreesMinutes(found->second);
    if (!value) {
        return BadValue(name, found->second,
                        "DEG:MIN, each " + NumberWanted(0, LargestBoxNumber()));
    }
    angle = *value;
    return {};
}

// The one of two opposite flags that is given: the first, the second or
// neither; both is an error.
enum class Choice { Neither, First, Second, Both };

Choice ChoiceOf(const GivenOptions& given, std::string_view first, std::string_view second) {
    const bool hasFirst = given.contains(first);
    const bool hasSecond = given.contains(second);
    if (hasFirst && hasSecond) {
        return Choice::Both;
    }
    return hasFirst ? Choice::First : (hasSecond ? Choice::Second : Choice::Neither);
}

std::string OnlyOneOf(std::string_view first, std::string_view second) {
    return "give only one of " + OptionText(first) + " and " + OptionText(second);
}

// Sets `first` from a pair of opposite flags when one is given.
std::string ReadFlagPair(const GivenOptions& given, std::string_view firstName,
                         std::string_view secondName, bool& first) {
    switch (ChoiceOf(given, firstName, secondName)) {
        case Choice::Both:
            return OnlyOneOf(firstName, secondName);
        case Choice::First:
            first = true;
            break;
        case Choice::Second:
            first = false;
            break;
        case Choice::Neither:
            break;
    }
    return {};
}

// East or west is required unless a place gave the hemisphere.
std::string ReadHemispheres(const GivenOptions& given, bool placed, TypedBirth& birth) {
    if (!placed && ChoiceOf(given, "east", "west") == Choice::Neither) {
        return Missing("--east or --west");
    }
    if (std::string error = ReadFlagPair(given, "east", "west", birth.isEast); !error.empty()) {
        return error;
    }
    bool isNorth = !birth.isSouth;
    std::string error = ReadFlagPair(given, "north", "south", isNorth);
    birth.isSouth = !isNorth;
    return error;
}

void ReadTexts(const GivenOptions& given, TypedBirth& birth) {
    for (const TextOption& option : TEXT_OPTIONS) {
        if (const auto found = given.find(option.name); found != given.end()) {
            birth.*option.field = found->second;
        }
    }
}

// --utc-offset, which replaces the zone row and the tick.
std::string ReadUtcOffset(const GivenOptions& given, TypedBirth& birth) {
    const auto found = given.find(UTC_OFFSET_OPTION);
    if (found == given.end()) {
        return {};
    }
    const std::optional<int> seconds = ParseUtcOffset(found->second);
    if (!seconds) {
        return BadValue(UTC_OFFSET_OPTION, found->second, UTC_OFFSET_WANTED);
    }
    birth.exactOffset = ExactOffset{*seconds, OffsetSource::Typed, {}};
    return {};
}

// True when the zone is to come from the atlas: --place without --zone or
// --utc-offset.
bool ZoneFromPlace(const GivenOptions& given) {
    return given.contains("place") && !given.contains(ZONE_OPTION.name) &&
           !given.contains(UTC_OFFSET_OPTION);
}

// The place of --place put on the birth as the window puts a chosen place
// on its panel; the zone is proposed for the birth's clock time unless
// --zone or --utc-offset gives it.
std::string ReadPlace(const GivenOptions& given, DaylightSavingGiven daylight, TypedBirth& birth) {
    const auto found = given.find("place");
    if (found == given.end()) {
        return {};
    }
    const Result<Place> place = ResolvePlace(found->second);
    if (!place) {
        return place.refusal().message;
    }
    return PutPlaceOnBirth(*place, ZoneFromPlace(given), daylight, birth);
}

DaylightSavingGiven DaylightSavingOf(Choice choice) {
    if (choice == Choice::First) {
        return DaylightSavingGiven::Dst;
    }
    return choice == Choice::Second ? DaylightSavingGiven::NoDst : DaylightSavingGiven::Neither;
}

// Reads the parts in the order the usage lists them; the first problem
// is the one reported. Options given beside --place win over what the
// place gave.
std::string ReadEveryPart(const GivenOptions& given, TypedBirth& birth) {
    const bool placed = given.contains("place");
    const bool offsetGiven = given.contains(UTC_OFFSET_OPTION);
    if (std::string error = ReadMoment(given, birth); !error.empty()) {
        return error;
    }
    if (offsetGiven && given.contains(ZONE_OPTION.name)) {
        return OnlyOneOf(ZONE_OPTION.name, UTC_OFFSET_OPTION);
    }
    if (std::string error = ReadNumber(given, ZONE_OPTION, !placed && !offsetGiven, birth);
        !error.empty()) {
        return error;
    }
    if (std::string error = ReadUtcOffset(given, birth); !error.empty()) {
        return error;
    }
    if (!placed && !given.contains("longitude")) {
        return Missing("--longitude");
    }
    const Choice daylight = ChoiceOf(given, "dst", "no-dst");
    if (daylight == Choice::Both) {
        return OnlyOneOf("dst", "no-dst");
    }
    if (std::string error = ReadPlace(given, DaylightSavingOf(daylight), birth); !error.empty()) {
        return error;
    }
    for (const auto& [name, angle] :
         {std::pair{"longitude", &birth.longitude}, std::pair{"latitude", &birth.latitude}}) {
        if (std::string error = ReadAngle(given, name, *angle); !error.empty()) {
            return error;
        }
    }
    if (std::string error = ReadHemispheres(given, placed, birth); !error.empty()) {
        return error;
    }
    if (!ZoneFromPlace(given)) {
        birth.daylightSaving = birth.daylightSaving || daylight == Choice::First;
    }
    ReadTexts(given, birth);
    return {};
}

}  // namespace

TypedBirthOrError ReadTypedBirth(const GivenOptions& given) {
    TypedBirthOrError result;
    result.error = ReadEveryPart(given, result.birth);
    return result;
}

}  // namespace sarovin
