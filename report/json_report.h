#pragma once

#include <string>

#include "drishti/drishti_report.h"
#include "report/reported_reading.h"

namespace sarovin {

// One reading as a JSON object (keys listed by name, as QJsonDocument
// orders them):
//   birth   {city, country, day, daylightSaving, hour,
//            latitude {degrees, minutes, south},
//            longitude {degrees, east, minutes},
//            minute, month, name, state, year, zone {index, label}}
//   bodies  9 × {english, position, sanskrit}
//   file    the reading's path, or null for a birth typed as options
//   graha   8 × {aspect, body, planets, position}
//   rashi   9 × {aspect, body, planets, position}
//   sputa   {columns: 9 texts, grid: 9 rows of 9 numbers,
//            positions: 9 texts, rows: 9 texts}
// The text is QJsonDocument's indented form shifted one level in, as an
// element of the top-level array, without a line end.
std::string FormatJsonElement(const ReportedReading& reading);

}  // namespace sarovin
