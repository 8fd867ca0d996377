#pragma once

#include <string>

#include "output/compared_readings.h"

namespace sarovin {

// Two compared readings as text: a line naming the pair (and saying so
// when both hold one birth), each reading's birth line, the mutual aspects
// first, then the Sputa Drishti grids A on B and B on A (virupas to two
// decimals; B's Lagna as the last column when it has one) and the Graha
// Drishti sentences each way. Ends with a line end.
std::string FormatTextComparison(const ComparedReadings& compared);

}  // namespace sarovin
