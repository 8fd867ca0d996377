#include "report/birth_options.h"

#include <array>

#include "form/list_items.h"
#include "tables/zone_table.h"

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
std::array<NumberOption, 6> NumberOptions() {
    const ListItems& items = StandardListItems();
    return {{
        {"day", 1, static_cast<int>(items.days.size()), &TypedBirth::day},
        {"month", 1, static_cast<int>(items.months.size()), &TypedBirth::month},
        {"year", FIRST_YEAR, LAST_YEAR, &TypedBirth::year},
        {"hour", 0, static_cast<int>(items.hours.size()) - 1, &TypedBirth::hour},
        {"minute", 0, static_cast<int>(items.minutes.size()) - 1, &TypedBirth::minute},
        {"zone", 0, ZONE_COUNT - 1, &TypedBirth::zone},
    }};
}

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
    return "bad value '" + std::string(value) + "' for " + OptionText(name) + ": give " +
           std::string(wanted);
}

std::string NumberWanted(int first, int last) {
    return "a whole number " + std::to_string(first) + "-" + std::to_string(last);
}

std::string ReadNumbers(const GivenOptions& given, TypedBirth& birth) {
    for (const NumberOption& option : NumberOptions()) {
        const auto found = given.find(option.name);
        if (found == given.end()) {
            return Missing(OptionText(option.name));
        }
        const auto value = ParseNumberInRange(found->second, option.first, option.last);
        if (!value) {
            return BadValue(option.name, found->second, NumberWanted(option.first, option.last));
        }
        birth.*option.field = *value;
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

std::string ReadHemispheres(const GivenOptions& given, TypedBirth& birth) {
    switch (ChoiceOf(given, "east", "west")) {
        case Choice::Neither:
            return Missing("--east or --west");
        case Choice::Both:
            return OnlyOneOf("east", "west");
        case Choice::First:
            birth.isEast = true;
            break;
        case Choice::Second:
            birth.isEast = false;
            break;
    }
    const Choice latitude = ChoiceOf(given, "north", "south");
    if (latitude == Choice::Both) {
        return OnlyOneOf("north", "south");
    }
    birth.isSouth = latitude == Choice::Second;
    return {};
}

void ReadTexts(const GivenOptions& given, TypedBirth& birth) {
    for (const TextOption& option : TEXT_OPTIONS) {
        if (const auto found = given.find(option.name); found != given.end()) {
            birth.*option.field = found->second;
        }
    }
}

// Reads the parts in the order the usage lists them; the first problem
// is the one reported.
std::string ReadEveryPart(const GivenOptions& given, TypedBirth& birth) {
    if (std::string error = ReadNumbers(given, birth); !error.empty()) {
        return error;
    }
    if (!given.contains("longitude")) {
        return Missing("--longitude");
    }
    for (const auto& [name, angle] :
         {std::pair{"longitude", &birth.longitude}, std::pair{"latitude", &birth.latitude}}) {
        if (std::string error = ReadAngle(given, name, *angle); !error.empty()) {
            return error;
        }
    }
    if (std::string error = ReadHemispheres(given, birth); !error.empty()) {
        return error;
    }
    birth.daylightSaving = given.contains("dst");
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
