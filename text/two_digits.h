#pragma once

#include <string>

namespace sarovin {

// A whole number with a leading zero below 10, as clock times and arc
// minutes are written: "05", "10", "123".
std::string TwoDigits(long long number);

}  // namespace sarovin
