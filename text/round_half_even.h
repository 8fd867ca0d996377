#pragma once

namespace sarovin {

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4),
// independent of the floating-point rounding mode in force.
double RoundHalfToEven(double value);

}  // namespace sarovin
