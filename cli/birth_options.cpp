#include "cli/birth_options.h"

#include <array>

#include "atlas/place_search.h"
#include "cli/option_values.h"
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

Refusal Missing(std::string_view what) {
    return RefuseWith("missing " + std::string(what));
}

Refusal BadValue(std::string_view name, std::string_view value, std::string_view wanted) {
    return RefuseWith("bad value '" + PrintableText(value) + "' for " + OptionText(name) +
                      ": give " + std::string(wanted));
}

std::string NumberWanted(int first, int last) {
    return "a whole number " + std::to_string(first) + "-" + std::to_string(last);
}

// Reads a number option into the birth; one not given is missing when
// `required`, else leaves the birth alone.
Result<Done> ReadNumber(const GivenOptions& given, const NumberOption& option, bool required,
                        TypedBirth& birth) {
    const auto found = given.find(option.name);
    if (found == given.end()) {
        if (required) {
            return Missing(OptionText(option.name));
        }
        return Done{};
    }
    const auto value = ParseNumberInRange(found->second, option.first, option.last);
    if (!value) {
        return BadValue(option.name, found->second, NumberWanted(option.first, option.last));
    }
    birth.*option.field = *value;
    return Done{};
}

Result<Done> ReadMoment(const GivenOptions& given, TypedBirth& birth) {
    for (const NumberOption& option : MomentOptions()) {
        if (Result<Done> read = ReadNumber(given, option, true, birth); !read) {
            return read;
        }
    }
    return Done{};
}

// Reads a DEG:MIN option into `angle`; an option not given leaves it alone.
Result<Done> ReadAngle(const GivenOptions& given, std::string_view name, DegreesMinutes& angle) {
    const auto found = given.find(name);
    if (found == given.end()) {
        return Done{};
    }
    const auto value = ParseDegreesMinutes(found->second);
    if (!value) {
        return BadValue(name, found->second,
                        "DEG:MIN, each " + NumberWanted(0, LargestBoxNumber()));
    }
    angle = *value;
    return Done{};
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

Refusal OnlyOneOf(std::string_view first, std::string_view second) {
    return RefuseWith("give only one of " + OptionText(first) + " and " + OptionText(second));
}

// Sets `first` from a pair of opposite flags when one is given.
Result<Done> ReadFlagPair(const GivenOptions& given, std::string_view firstName,
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
    return Done{};
}

// East or west is required unless a place gave the hemisphere.
Result<Done> ReadHemispheres(const GivenOptions& given, bool placed, TypedBirth& birth) {
    if (!placed && ChoiceOf(given, "east", "west") == Choice::Neither) {
        return Missing("--east or --west");
    }
    if (Result<Done> read = ReadFlagPair(given, "east", "west", birth.isEast); !read) {
        return read;
    }
    bool isNorth = !birth.isSouth;
    const Result<Done> read = ReadFlagPair(given, "north", "south", isNorth);
    birth.isSouth = !isNorth;
    return read;
}

void ReadTexts(const GivenOptions& given, TypedBirth& birth) {
    for (const TextOption& option : TEXT_OPTIONS) {
        if (const auto found = given.find(option.name); found != given.end()) {
            birth.*option.field = found->second;
        }
    }
}

// --utc-offset, which replaces the zone row and the tick.
Result<Done> ReadUtcOffset(const GivenOptions& given, TypedBirth& birth) {
    const auto found = given.find(UTC_OFFSET_OPTION);
    if (found == given.end()) {
        return Done{};
    }
    const std::optional<int> seconds = ParseUtcOffset(found->second);
    if (!seconds) {
        return BadValue(UTC_OFFSET_OPTION, found->second, UTC_OFFSET_WANTED);
    }
    birth.exactOffset = ExactOffset{*seconds, OffsetSource::Typed, {}};
    return Done{};
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
Result<Done> ReadPlace(const GivenOptions& given, DaylightSavingGiven daylight, TypedBirth& birth) {
    const auto found = given.find("place");
    if (found == given.end()) {
        return Done{};
    }
    const Result<Place> place = ResolvePlace(found->second);
    if (!place) {
        return place.refusal();
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
Result<Done> ReadEveryPart(const GivenOptions& given, TypedBirth& birth) {
    const bool placed = given.contains("place");
    const bool offsetGiven = given.contains(UTC_OFFSET_OPTION);
    if (Result<Done> read = ReadMoment(given, birth); !read) {
        return read;
    }
    if (offsetGiven && given.contains(ZONE_OPTION.name)) {
        return OnlyOneOf(ZONE_OPTION.name, UTC_OFFSET_OPTION);
    }
    if (Result<Done> read = ReadNumber(given, ZONE_OPTION, !placed && !offsetGiven, birth); !read) {
        return read;
    }
    if (Result<Done> read = ReadUtcOffset(given, birth); !read) {
        return read;
    }
    if (!placed && !given.contains("longitude")) {
        return Missing("--longitude");
    }
    const Choice daylight = ChoiceOf(given, "dst", "no-dst");
    if (daylight == Choice::Both) {
        return OnlyOneOf("dst", "no-dst");
    }
    // An exact offset already holds any daylight saving the clocks kept.
    if (offsetGiven && daylight == Choice::First) {
        return OnlyOneOf("dst", UTC_OFFSET_OPTION);
    }
    if (Result<Done> read = ReadPlace(given, DaylightSavingOf(daylight), birth); !read) {
        return read;
    }
    for (const auto& [name, angle] :
         {std::pair{"longitude", &birth.longitude}, std::pair{"latitude", &birth.latitude}}) {
        if (Result<Done> read = ReadAngle(given, name, *angle); !read) {
            return read;
        }
    }
    if (Result<Done> read = ReadHemispheres(given, placed, birth); !read) {
        return read;
    }
    if (!ZoneFromPlace(given)) {
        birth.daylightSaving = birth.daylightSaving || daylight == Choice::First;
    }
    ReadTexts(given, birth);
    return Done{};
}

}  // namespace

Result<TypedBirth> ReadTypedBirth(const GivenOptions& given) {
    TypedBirth birth;
    if (Result<Done> read = ReadEveryPart(given, birth); !read) {
        return read.refusal();
    }
    return birth;
}

}  // namespace sarovin
