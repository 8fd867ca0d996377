#pragma once

#include <string>

namespace sarovin {

// Virupas as every output shows them: rounded to two decimals, half away
// from zero, never a negative zero.
double RoundedVirupas(double virupas);

// The rounded virupas with exactly two decimals: "15.86", "-21.73", "0.00".
std::string VirupasText(double virupas);

}  // namespace sarovin
