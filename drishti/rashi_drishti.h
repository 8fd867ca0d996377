#pragma once

#include <array>
#include <string_view>

#include "drishti/drishti_row.h"
#include "drishti/rules.h"
#include "engine/body_table.h"

namespace sarovin {

inline constexpr int RASHI_ROWS = 9;

// Modality of each sign, from Mesha on; a sign aspects the other three
// signs of its modality.
inline constexpr std::array<std::string_view, 12> SignModalities = {
    "Movable", "Fixed", "Mixed", "Movable", "Fixed", "Mixed",
    "Movable", "Fixed", "Mixed", "Movable", "Fixed", "Mixed",
};

// For the Sun to Saturn: the signs their sign aspects and the bodies
// standing there; under Sarovin's rules the other signs of its modality,
// under the classical rules those of ClassicalRashiAspects. The two nodes
// get rows with empty lists. The captions name every body by its slot's
// names (SlotNames).
std::array<DrishtiRow, RASHI_ROWS> ComputeRashiDrishti(const BodyTable& bodies, Rules rules);

}  // namespace sarovin
