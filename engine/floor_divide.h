#pragma once

#include <cstdint>

namespace sarovin {

// Whole-number division rounded toward minus infinity (Int of a quotient),
// where C++ division truncates toward zero.
inline std::int64_t FloorDivide(std::int64_t numerator, std::int64_t denominator) {
    std::int64_t quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) {
        --quotient;
    }
    return quotient;
}

}  // namespace sarovin
