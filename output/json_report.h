#pragma once

#include <string>

#include "output/json_writer.h"
#include "output/reported_reading.h"

namespace sarovin {

// One reading as a JSON object, keys in alphabetical order:
//   ashtakavarga  only with --ashtakavarga: see WriteAshtakavargaJson
//   birth      {city, country, day, daylightSaving, hour,
//               latitude {degrees, minutes, south},
//               longitude {degrees, east, minutes},
//               minute, month, name, state, year, zone {index, label}}
//   bodies     9 × {english, longitude, position, sanskrit}
//   dasha      only with --dasha: see WriteDashaJson
//   drikBala   7 × {benefic, body, contributors: 6 × {benefic, body,
//               virupas}, virupas} under the classical rules, else null
//   ephemeris  {ayanamsa, ayanamsaName (null for the built-in), name,
//               node, universalTime}
//   file       the reading's path, or null for a birth typed as options
//   graha      8 × {aspect, body, planets, position}
//   lagna      {longitude, position}, or null for the built-in ephemeris
//   rashi      9 × {aspect, body, planets, position}
//   rules      "1.15" or "classical"
//   sputa      {columns: 9 texts, grid: 9 rows of 9 numbers,
//               positions: 9 texts, rows: 9 texts}; under the classical
//               rules the grid is in virupas with null node rows, and
//               lagna (7 numbers or null) follows it
//   vargas     only with --vargas: {"D9": {bodies: 9 × {body, sign},
//               graha, lagna: sign or null, rashi}, …} in D1 … D60 order
// Indented, the object is an element of the top-level array: every line
// one level in. Compact, it stands alone on what will be its line. No line
// end follows.
std::string FormatJsonReading(const ReportedReading& reading, JsonLayout layout);

// The same object written as the next value of `json`, for a reading that
// is part of a larger object.
void WriteJsonReading(JsonWriter& json, const ReportedReading& reading);

}  // namespace sarovin
