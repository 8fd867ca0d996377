#pragma once

#include <string>

#include "common/result.h"
#include "form/input_form.h"

namespace sarovin {

// The web search text for the birth place ("Pune Maharashtra India
// Latitude Longitude"), the parts taken as typed; or the refusal naming the
// first empty box of city, state and country.
Result<std::string> PlaceSearchQuery(const InputForm& form);

}  // namespace sarovin
