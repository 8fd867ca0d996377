#pragma once

#include <string>

#include "drishti/drishti_report.h"
#include "output/reported_reading.h"

namespace sarovin {

// One reading as text: the birth line (with the Swiss Ephemeris, a line
// naming it with its ayanamsa, node and Universal Time, and a line for the
// Lagna), then the Graha, Rashi and Sputa Drishti tabs, each under its
// heading after a blank line. Graha and Rashi rows give the body caption
// on a line of its own and the position, aspect and planets captions
// indented beneath it; the Sputa grid is a table with the column captions
// across the top and the row and position captions down the left. Ends
// with a line end.
std::string FormatTextReading(const ReportedReading& reading);

}  // namespace sarovin
