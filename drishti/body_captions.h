#pragma once

#include <array>
#include <string>

#include "engine/body_slot.h"

namespace sarovin {

using BodyCaptions = std::array<std::string, BODY_COUNT>;

// The captions of the body slots, made once from their names: "Sun / Surya"
// on the Graha and Rashi tabs, "Sun/Surya" beside the Sputa rows and "Sun"
// above its columns.
const BodyCaptions& TabBodyCaptions();
const BodyCaptions& SputaRowCaptions();
const BodyCaptions& SputaColumnCaptions();

}  // namespace sarovin
