#pragma once

#include <string>

#include "calculation/birth_strengths.h"

namespace sarovin {

// The Shadbala as text: the day it was read from (sunrise, sunset and the
// lords of the year, month, weekday and hour), the forks taken, then one
// row a strength and one column a planet, Sun to Saturn, virupas to two
// decimals; then the Bhava Bala, one row a house.
std::string StrengthsText(const BirthStrengths& strengths);

// "Sunrise 00:24:33 UT, sunset 12:22:41 UT; lords of the year Mars, month
// Sun, weekday Mercury, hour Moon", without a line break.
std::string StrengthDayLine(const Shadbala& shadbala);

// "Strength rules: Dig arc folded from the madhyas, ...", naming every fork
// in force, without a line break.
std::string StrengthRulesLine(const StrengthRules& rules);

// A strength's working on lines: the figures it reads, the rule, where it
// is taught, the terms and the result in virupas.
std::string BalaWorkingText(const BalaWorking& working);

}  // namespace sarovin
