#pragma once

#include <string_view>

#include "calculation/given_positions.h"
#include "common/result.h"

namespace sarovin {

// The positions of --positions, "Sun=180:53:55,...,Lagna=298:27,MC=216:36",
// refused as the shared reader refuses them, named "--positions".
Result<GivenPositions> ReadGivenPositions(std::string_view text);

}  // namespace sarovin
