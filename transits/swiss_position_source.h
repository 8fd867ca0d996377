#pragma once

#include "swiss/swiss_ephemeris.h"
#include "transits/position_source.h"

namespace sarovin {

// The Swiss Ephemeris as the search's position source, by the natal
// reading's ayanamsa and node.
PositionSourceFactory SwissPositionSources(AyanamsaSystem ayanamsa, LunarNode node);

}  // namespace sarovin
