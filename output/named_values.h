#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "calculation/sky.h"

namespace sarovin {

// A value as it is named on the command line and in the JSON output.
template <typename Value>
struct NamedValue {
    std::string_view name;
    Value value;
};

inline constexpr std::array<NamedValue<Ephemeris>, 2> EPHEMERIS_NAMES = {{
    {"builtin", Ephemeris::BuiltIn},
    {"swiss", Ephemeris::Swiss},
}};

inline constexpr std::array<NamedValue<LunarNode>, 2> NODE_NAMES = {{
    {"mean", LunarNode::Mean},
    {"true", LunarNode::True},
}};

inline constexpr std::array<NamedValue<AyanamsaSystem>, 6> AYANAMSA_NAMES = {{
    {"lahiri", AyanamsaSystem::Lahiri},
    {"raman", AyanamsaSystem::Raman},
    {"krishnamurti", AyanamsaSystem::Krishnamurti},
    {"true-chitra", AyanamsaSystem::TrueChitra},
    {"yukteshwar", AyanamsaSystem::Yukteshwar},
    {"fagan-bradley", AyanamsaSystem::FaganBradley},
}};

inline constexpr std::array<NamedValue<Rules>, 2> RULES_NAMES = {{
    {"1.15", Rules::Sarovin115},
    {"classical", Rules::Classical},
}};

inline constexpr std::array<NamedValue<HouseSystem>, 4> HOUSE_SYSTEM_NAMES = {{
    {"sripati", HouseSystem::Sripati},
    {"equal", HouseSystem::Equal},
    {"whole-sign", HouseSystem::WholeSign},
    {"placidus", HouseSystem::Placidus},
}};

// The name of `value` in `names`; every value of the tables above has one.
template <typename Value, std::size_t COUNT>
std::string_view NameOf(const std::array<NamedValue<Value>, COUNT>& names, Value value) {
    const auto found = std::find_if(names.begin(), names.end(),
                                    [value](const auto& named) { return named.value == value; });
    return found == names.end() ? std::string_view() : found->name;
}

}  // namespace sarovin
