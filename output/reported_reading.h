#pragma once

#include <string>
#include <vector>

#include "ashtakavarga/ashtakavarga.h"
#include "calculation/calculation.h"
#include "calculation/invalid_lines.h"
#include "dasha/vimshottari.h"

namespace sarovin {

// One computed reading to print, with the file it came from and the number
// lines of that file that held no valid value; the source is empty for a
// birth typed as options.
struct ReportedReading {
    std::string source;
    Calculation calculation;
    std::vector<InvalidLine> invalidLines;
    // The Vimshottari periods --dasha asks for, and the Ashtakavarga
    // --ashtakavarga asks for; computed once from the calculation.
    std::optional<Vimshottari> dasha{};
    std::optional<Ashtakavarga> ashtakavarga{};
};

}  // namespace sarovin
