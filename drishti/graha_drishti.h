#pragma once

#include <array>
#include <span>

#include "drishti/drishti_row.h"
#include "engine/body_table.h"

namespace sarovin {

inline constexpr int GRAHA_ROWS = 8;

// The signs or houses `body` (Sun to N Node) aspects, counted from its own
// as the first, in the order they are written: every body the 7th; Mars
// also the 4th and 8th, Jupiter the 5th and 9th, Saturn the 3rd and 10th.
std::span<const int> GrahaAspectCounts(int body);

// For the Sun to the N Node: the signs each body aspects, counted from its
// own sign, and the bodies standing there. The S Node takes no part. The
// captions name every body by its slot's names (SlotNames).
std::array<DrishtiRow, GRAHA_ROWS> ComputeGrahaDrishti(const BodyTable& bodies);

}  // namespace sarovin
