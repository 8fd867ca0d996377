#pragma once

#include <string>
#include <vector>

#include "calculation/point_positions.h"

namespace sarovin {

// The positions table of the text report: a "Positions" heading, a line of
// column headings, then one line a point (the Lagna, the nine bodies and
// the MC when the reading has them) with its position, nakshatra, pada and
// the nakshatra's lord, its house when the reading has houses and its daily
// motion, marked "℞" while retrograde, when the ephemeris gives speeds.
// Columns are padded to the widest cell and two spaces apart.
std::string PositionsTable(const std::vector<PointPosition>& points);

}  // namespace sarovin
