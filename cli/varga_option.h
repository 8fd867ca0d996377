#pragma once

#include <string_view>
#include <vector>

#include "common/result.h"

namespace sarovin {

// The vargas named by the value of --vargas: "all", or keys such as "D9"
// (either case) joined by commas. Gives the places in VargaNames, in that
// order, each once; refused with the first unknown key.
Result<std::vector<int>> ReadVargaList(std::string_view text);

}  // namespace sarovin
