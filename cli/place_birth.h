#pragma once

#include <string>

#include "atlas/place.h"
#include "cli/typed_birth.h"

namespace sarovin {

// Puts `place` on a typed birth as the window puts a chosen place on its
// panel: the place texts in the letters the boxes take, the latitude and
// longitude to the nearest minute with their hemispheres and, when
// `proposeZone`, the zone row and daylight-saving tick the tz database
// gives for the birth's date and clock time. Returns why the zone cannot
// be proposed (no row of the list keeps the clocks' time), else an empty
// text. A date the window's checks refuse is left for them to refuse.
std::string PutPlaceOnBirth(const Place& place, bool proposeZone, TypedBirth& birth);

}  // namespace sarovin
