#pragma once

#include <string>

#include "engine/birth_record.h"

namespace sarovin {

// Whose chart it is, in one line: "Asha Rao — 15 June 1980 08:30, New
// Delhi, Delhi, India"; empty places are left out with their commas.
std::string BirthSummary(const BirthRecord& record);

}  // namespace sarovin
