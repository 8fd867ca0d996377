#pragma once

#include <string>

#include "engine/birth_record.h"
#include "engine/civil_time.h"

namespace sarovin {

// Whose chart it is, in one line: "Asha Rao — 15 June 1980 08:30, New
// Delhi, Delhi, India"; empty places are left out with their commas.
std::string BirthSummary(const BirthRecord& record);

// A date and clock time as people read it: "15 June 1980 08:30".
std::string CivilMomentText(const CivilTime& time);

// The date and clock time of the birth, as CivilMomentText writes them.
std::string BirthMomentText(const BirthRecord& record);

// The places of the birth: "New Delhi, Delhi, India"; empty places are
// left out with their commas.
std::string BirthPlaceText(const BirthRecord& record);

}  // namespace sarovin
