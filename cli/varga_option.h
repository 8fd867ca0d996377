#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sarovin {

// The vargas named by the value of --vargas: "all", or keys such as "D9"
// (either case) joined by commas. Gives the places in VargaNames, in that
// order, each once; or an empty list and what is wrong.
struct VargaList {
    std::vector<int> vargas;
    std::string error;
};

VargaList ReadVargaList(std::string_view text);

}  // namespace sarovin
