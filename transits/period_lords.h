#pragma once

#include "dasha/vimshottari.h"
#include "transits/transit_event.h"

namespace sarovin {

// Whether a window falls in a period of one of its own bodies: at the
// moment it is read at (the peak of a Sputa window, the start of the
// others) the Mahadasha or the Antardasha running is ruled by its
// transiting body or by its natal body. A natal point that is no body (the
// Lagna, a house's madhya) and a Kakshya window count by the transiting
// body alone; outside the 120 years no window does.
bool FallsInOwnPeriod(const TransitEvent& event, const Vimshottari& dasha);

}  // namespace sarovin
