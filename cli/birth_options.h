#pragma once

#include <map>
#include <string>
#include <string_view>

#include "common/result.h"
#include "form/typed_birth.h"

namespace sarovin {

// Options as given on the command line, by name without the leading "--":
// the last value of each, or an empty text for an option without value.
using GivenOptions = std::map<std::string_view, std::string>;

// The birth described by the options --day to --country; refused with the
// first option that is missing or does not fit.
Result<TypedBirth> ReadTypedBirth(const GivenOptions& given);

}  // namespace sarovin
