#pragma once

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "calculation/ephemeris_names.h"
#include "cli/birth_options.h"
#include "common/result.h"
#include "text/printable_text.h"

namespace sarovin {

// "a, b or c".
std::string NamesOf(std::span<const std::string_view> names);

// The value named by option `option`, when given; an unknown name is
// refused.
template <typename Value, std::size_t COUNT>
Result<Done> ReadNamed(const GivenOptions& given, std::string_view option,
                       const std::array<NamedValue<Value>, COUNT>& names, Value& value) {
    const auto found = given.find(option);
    if (found == given.end()) {
        return Done{};
    }
    for (const NamedValue<Value>& named : names) {
        if (named.name == found->second) {
            value = named.value;
            return Done{};
        }
    }
    std::array<std::string_view, COUNT> listed;
    std::transform(names.begin(), names.end(), listed.begin(),
                   [](const NamedValue<Value>& named) { return named.name; });
    return RefuseWith("unknown " + std::string(option) + " '" + PrintableText(found->second) +
                      "': give " + NamesOf(listed));
}

}  // namespace sarovin
