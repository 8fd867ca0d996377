#pragma once

#include <optional>
#include <string_view>

#include "form/degrees_minutes.h"

namespace sarovin {

// The largest number a degree or minute box holds: DEGREE_BOX_LENGTH nines.
int LargestBoxNumber();

// A whole decimal number typed as an option value: digits only, without
// sign, spaces or fraction, and within first..last.
std::optional<int> ParseNumberInRange(std::string_view text, int first, int last);

// "DEG:MIN", each part a whole number 0..LargestBoxNumber(). No further
// range check, as the window's boxes make none.
std::optional<DegreesMinutes> ParseDegreesMinutes(std::string_view text);

}  // namespace sarovin
