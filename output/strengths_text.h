#pragma once

#include <string>

#include "calculation/birth_strengths.h"

namespace sarovin {

// The Shadbala as text: the day it was read from (sunrise, sunset and the
// lords of the year, month, weekday and hour), the forks taken, then one
// row a strength and one column a planet, Sun to Saturn, virupas to two
// decimals; then the Bhava Bala, one row a house.
std::string StrengthsText(const BirthStrengths& strengths);

}  // namespace sarovin
