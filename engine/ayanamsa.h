#pragma once

#include "engine/birth_record.h"

namespace sarovin {

// Minus the ayanamsa of the planets and nodes in degrees, for Julian
// centuries since 1900 January 0, 12h.
double AyanamsaDegrees(double centuriesSince1900);

// The planets' ayanamsa (negative degrees) at the birth moment.
double ComputeBirthAyanamsa(const BirthRecord& record);

}  // namespace sarovin
