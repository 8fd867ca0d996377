#pragma once

#include <string>

#include "common/result.h"
#include "output/reported_reading.h"

namespace sarovin {

// Opens a saved reading as a freshly started window does: the name check,
// the file, the restore onto the start-up panel, the checks and the
// calculation from an empty record; the number lines the panel could not
// take are noted with the reading.
Result<ReportedReading> ReadingFromFile(const std::string& path, const EphemerisChoice& choice,
                                        const CalculationScope& scope);

}  // namespace sarovin
