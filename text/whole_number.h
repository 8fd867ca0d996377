#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sarovin {

// A decimal text as a number: surrounding spaces allowed, an optional sign,
// digits with an optional fraction. Nothing when the text is no such number.
std::optional<double> ParseDecimal(std::string_view text);

// A decimal text as a 16-bit whole number: surrounding spaces allowed, an
// optional sign, digits with an optional fraction rounded half to even.
// Nothing when the text is not such a number or does not fit 16 bits.
std::optional<std::int16_t> ParseWholeNumber(std::string_view text);

}  // namespace sarovin
