#pragma once

#include <vector>

#include "zodiac/zodiac.h"

namespace sarovin {

// The angles (from the aspecting planet forward to the point) at which a
// planet's classical Sputa Drishti reaches a threshold, as arcs with both
// ends included, possibly over 0 degrees. `whole` when every angle reaches
// it.
struct SputaZones {
    std::vector<ZodiacArc> arcs;
    bool whole = false;

    bool Contains(double angle) const;
};

// The strength is linear within each 30-degree band (the band edges and
// the special aspects all fall on multiples of 30 degrees), so each band's
// part at or above `threshold` is one arc, found from the strength at the
// band's start and its limit at the band's end.
SputaZones ZonesAtOrAbove(int planet, double threshold);

// The strength's limit as the angle rises to `angle` (the value of the
// band below it, extended to its end), and the larger of that limit and
// the value at `angle`: the strength a window reaches there.
double StrengthBelow(int planet, double angle);
double StrengthReached(int planet, double angle);

}  // namespace sarovin
