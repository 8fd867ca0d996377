#pragma once

#include <string>
#include <vector>

#include "calculation/sky.h"
#include "engine/birth_record.h"

namespace sarovin {

// For a sky of the built-in ephemeris, one sentence for each body the Swiss
// Ephemeris puts in another sign at the same birth ("The Swiss Ephemeris
// puts the Moon in Makara, not Dhanus"); empty when they agree, for a Swiss
// sky, and when the Swiss Ephemeris cannot compute the birth. The Swiss
// Ephemeris is asked only about bodies that may stand in another sign. The
// built-in results themselves stay as they are.
std::vector<std::string> PrecisionWarnings(const BirthRecord& record, const Sky& sky);

}  // namespace sarovin
