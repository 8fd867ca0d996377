#pragma once

#include <string_view>

#include "calculation/given_positions.h"
#include "common/result.h"

namespace sarovin {

// The positions of --positions: "Sun=180:53:55,Moon=311:17:19,...,
// Lagna=298:27,MC=216:36", one entry for each of the Sun, Moon, Mars,
// Mercury, Jupiter, Venus, Saturn, Rahu, Lagna and MC in any order, each
// degrees:minutes[:seconds] from 0 to 360. A missing, repeated, unknown or
// malformed entry is refused with its name.
Result<GivenPositions> ReadGivenPositions(std::string_view text);

}  // namespace sarovin
