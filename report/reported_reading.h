#pragma once

#include <string>

#include "calculation/calculation.h"

namespace sarovin {

// One computed reading to print, with the file it came from; the source is
// empty for a birth typed as options.
struct ReportedReading {
    std::string source;
    Calculation calculation;
};

}  // namespace sarovin
