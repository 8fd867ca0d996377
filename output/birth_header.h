#pragma once

#include <string>

#include "output/reported_reading.h"

namespace sarovin {

// The line that opens a text reading, without its line end:
//   NAME — D MONTH YEAR HH:MM, ZONE LABEL[, daylight saving],
//   DEG°MM' E|W, DEG°MM' N|S[, CITY][, STATE][, COUNTRY]
// An empty name drops "NAME — "; empty places are left out.
std::string BirthHeaderLine(const ReportedReading& reading);

}  // namespace sarovin
