#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "calculation/sky.h"

namespace sarovin {

// A value with the name it is given on the command line, in the JSON
// output and in the window's kept settings.
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

// The name of `value` in `names`; every value of the tables has one.
template <typename Value, std::size_t COUNT>
std::string_view NameOf(const std::array<NamedValue<Value>, COUNT>& names, Value value) {
    const auto found = std::find_if(names.begin(), names.end(),
                                    [value](const auto& named) { return named.value == value; });
    return found == names.end() ? std::string_view() : found->name;
}

}  // namespace sarovin
