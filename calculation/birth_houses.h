#pragma once

#include <optional>

#include "calculation/sky.h"
#include "common/result.h"
#include "engine/birth_record.h"
#include "houses/houses.h"

namespace sarovin {

// The houses of a birth's sky by the system it was computed with, when it
// has a Lagna (the Swiss Ephemeris); none with the built-in ephemeris.
// Placidus is refused inside the polar circles, where it has no solution.
Result<std::optional<Houses>> ComputeBirthHouses(const Sky& sky);

}  // namespace sarovin
