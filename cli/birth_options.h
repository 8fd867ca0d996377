#pragma once

#include <map>
#include <string>
#include <string_view>

#include "cli/typed_birth.h"

namespace sarovin {

// Options as given on the command line, by name without the leading "--":
// the last value of each, or an empty text for an option without value.
using GivenOptions = std::map<std::string_view, std::string>;

struct TypedBirthOrError {
    TypedBirth birth;
    // Empty when the birth options are complete and every value fits.
    std::string error;
};

// The birth described by the options --day to --country.
TypedBirthOrError ReadTypedBirth(const GivenOptions& given);

}  // namespace sarovin
