#pragma once

#include <string>

#include "engine/birth_record.h"

namespace sarovin {

// Minus the Moon's own ayanamsa in degrees (about -23.85 in 2000), so that
// adding it to a tropical longitude gives the sidereal one.
double MoonAyanamsaDegrees(double centuries);

// Tropical longitude plus the (negative) ayanamsa, brought back above 0.
double SiderealMoonLongitude(double tropicalLongitude, double ayanamsa);

// The Moon's sidereal longitude in degrees at the birth moment.
double ComputeMoonLongitude(const BirthRecord& record);

// The Moon's sidereal longitude as a long position text.
std::string ComputeMoonPosition(const BirthRecord& record);

}  // namespace sarovin
