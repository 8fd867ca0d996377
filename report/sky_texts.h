#pragma once

#include <string>

#include "engine/civil_time.h"

namespace sarovin {

// "1980-06-15" then `between` then "03:00".
std::string UniversalTimeText(const CivilTime& time, char between);

// An arc in whole degrees, minutes and seconds, truncated: 23°35'12".
std::string ArcText(double degrees);

}  // namespace sarovin
