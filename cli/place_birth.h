#pragma once

#include "atlas/place.h"
#include "common/result.h"
#include "form/typed_birth.h"

namespace sarovin {

// What --dst and --no-dst said: --dst takes the first of a clock time that
// came twice (before the clocks went back) and otherwise ticks daylight
// saving on the proposed row; --no-dst takes the second.
enum class DaylightSavingGiven { Neither, Dst, NoDst };

// Puts `place` on a typed birth as the window puts a chosen place on its
// panel: the place texts in the letters the boxes take, the latitude and
// longitude to the nearest minute with their hemispheres and, when
// `proposeZone`, the zone row and daylight-saving tick the tz database
// gives for the birth's date and clock time, or the exact offset where no
// row keeps it. Refuses, saying why, when the zone cannot be proposed (a clock time that
// never came, or came twice with neither --dst nor --no-dst, naming both
// choices). A date the window's checks refuse is left
// for them.
Result<Done> PutPlaceOnBirth(const Place& place, bool proposeZone, DaylightSavingGiven given,
                             TypedBirth& birth);

}  // namespace sarovin
