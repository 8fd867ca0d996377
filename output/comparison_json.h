#pragma once

#include <string>

#include "output/compared_readings.h"
#include "output/json_writer.h"

namespace sarovin {

// Two compared readings as one JSON object, keys in alphabetical order:
//   a, b       each reading as the tool writes one alone
//   aOnB       7 rows (A's Sun to Saturn) of 10 virupas: on B's nine
//              bodies, then on B's Lagna or null; bOnA likewise
//   grahaAOnB  8 × {body, bodies, signs}: the signs A's body aspects by
//              Graha Drishti and B's bodies standing there; grahaBOnA
//   mutual     [{aBody, aOnB, bBody, bOnA}], pairs strong both ways
//   sameBirth  true when both readings hold one birth
// Virupas have two decimals. Laid out as FormatJsonReading lays a reading.
std::string FormatJsonComparison(const ComparedReadings& compared, JsonLayout layout);

}  // namespace sarovin
