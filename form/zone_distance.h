#pragma once

#include <string>

#include "form/input_form.h"

namespace sarovin {

// A word for the zone row (or exact offset) on the panel when it lies far
// from the local mean time of the longitude typed, as a row left from an
// earlier birth may: "UTC-09:00 is 14 h from local mean time at 77°36' E".
// Empty while the two are less than three hours apart (every zone keeps
// within about two and a half hours of its places' mean time, far-western
// China's the farthest) or the longitude holds no number. Only a note: the
// calculation takes the row as the panel's rules say.
std::string ZoneDistanceNote(const InputForm& form);

}  // namespace sarovin
