#pragma once

#include "ephemeris/position_source.h"
#include "swiss/swiss_ephemeris.h"

namespace sarovin {

// The Swiss Ephemeris as a search's position source, by the natal
// reading's ayanamsa and node.
PositionSourceFactory SwissPositionSources(AyanamsaSystem ayanamsa, LunarNode node);

}  // namespace sarovin
