#pragma once

#include <array>

#include "drishti/drishti_row.h"
#include "engine/body_table.h"

namespace sarovin {

inline constexpr int GRAHA_ROWS = 8;

// For the Sun to the N Node: the signs each body aspects, counted from its
// own sign, and the bodies standing there. The S Node takes no part. The
// captions name every body by its slot's names (SlotNames).
std::array<DrishtiRow, GRAHA_ROWS> ComputeGrahaDrishti(const BodyTable& bodies);

}  // namespace sarovin
