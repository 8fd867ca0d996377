#pragma once

#include <string>
#include <vector>

#include "calculation/calculation.h"
#include "calculation/invalid_lines.h"

namespace sarovin {

// One computed reading to print, with the file it came from and the number
// lines of that file that held no valid value; the source is empty for a
// birth typed as options.
struct ReportedReading {
    std::string source;
    Calculation calculation;
    std::vector<InvalidLine> invalidLines;
};

}  // namespace sarovin
