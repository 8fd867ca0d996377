#pragma once

#include <ostream>

#include "cli/report_options.h"

namespace sarovin {

// The transits of the one reading of `options` over its span, written as
// they are found in the format asked for. Returns the exit status: 2 for a
// reading without the Swiss Ephemeris, more than one reading or a span
// that cannot be searched, 1 when the reading is refused or the output
// cannot be written.
int PrintTransits(const ReportOptions& options, std::ostream& out, std::ostream& err);

}  // namespace sarovin
