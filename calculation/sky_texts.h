#pragma once

#include <string>
#include <string_view>

#include "calculation/sky.h"

namespace sarovin {

// The ephemerides as the menu and the results name them.
inline constexpr std::string_view BUILT_IN_EPHEMERIS_NAME = "Built-in (v1.15)";
inline constexpr std::string_view SWISS_EPHEMERIS_NAME = "Swiss Ephemeris";

// The ayanamsas and the rules as the menus and the results name them.
std::string_view AyanamsaName(AyanamsaSystem ayanamsa);
std::string_view RulesName(Rules rules);

// "1980-06-15" then `between` then "03:00".
std::string UniversalTimeText(const CivilTime& time, char between);

// The Universal Time of a Swiss Ephemeris sky as UniversalTimeText gives
// it, with ":SS" after the minutes when the moment has seconds (a clock
// kept at an exact offset such as local mean time's +05:21:10); empty
// without one.
std::string SkyUniversalTimeText(const Sky& sky, char between);

// An arc in whole degrees, minutes and seconds, truncated: 23°35'12".
std::string ArcText(double degrees);

// One line saying what computed the positions, for example
// "Swiss Ephemeris, Lahiri ayanamsa 23°35'12", mean node, UT 1980-06-15 03:00"
// or "Built-in (v1.15) ephemeris, ayanamsa 23°34'52"". Under the classical
// rules it ends in ", Classical (Parashara) rules"; the default rules go
// unnamed, so every output made before the choice stays as it was.
std::string EphemerisLine(const Sky& sky);

// The line of EphemerisLine naming the rules whichever are in force.
std::string EphemerisLineWithRules(const Sky& sky);

// "Lagna 12 Leo 34", or an empty text when the ephemeris gives none; at
// either pole, where the Lagna is undefined, with a caveat saying so.
std::string LagnaLine(const Sky& sky);

// The short position text "DD Sss MM" of the Lagna; empty without one.
std::string LagnaPosition(const Sky& sky);

}  // namespace sarovin
