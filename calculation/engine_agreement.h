#pragma once

#include <string>
#include <vector>

#include "calculation/calculation.h"

namespace sarovin {

// For a calculation by the built-in ephemeris, one sentence for each body
// the Swiss Ephemeris puts in another sign at the same birth ("The Swiss
// Ephemeris puts the Moon in Makara, not Dhanus"); empty when they agree,
// for a Swiss calculation, and when the Swiss Ephemeris cannot compute the
// birth. The built-in results themselves stay as they are.
std::vector<std::string> PrecisionWarnings(const Calculation& calculation);

}  // namespace sarovin
