#pragma once

#include <string>

#include "engine/birth_record.h"

namespace sarovin {

// One reading ready to compute and print: the birth record as the window
// fills it, the zone row it was chosen from (the record keeps only the
// corrections) and the file it came from, empty when typed as options.
struct ReportedReading {
    std::string source;
    int zonePosition = 0;
    BirthRecord record;
};

}  // namespace sarovin
