#pragma once

#include <optional>

#include "ashtakavarga/ashtakavarga.h"
#include "calculation/calculation.h"

namespace sarovin {

// The Ashtakavarga the window shows for a reading, under Parashara's tables
// (the window offers no other yet); none without a Lagna.
std::optional<Ashtakavarga> ReadingAshtakavarga(const Calculation& calculation);

}  // namespace sarovin
