#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "form/input_checks.h"
#include "form/input_form.h"

namespace sarovin {

struct PlaceLookupRefusal {
    std::string_view message;
    InputField focus;
};

// The web search text for the birth place ("Pune Maharashtra India
// Latitude Longitude"), the parts taken as typed; or the refusal naming the
// first empty box of city, state and country.
std::variant<std::string, PlaceLookupRefusal> PlaceSearchQuery(const InputForm& form);

}  // namespace sarovin
