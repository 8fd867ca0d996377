#pragma once

#include "drishti/sputa_drishti.h"
#include "engine/body_table.h"

namespace sarovin {

// The Sputa strength of every body on every other, from their whole-degree
// longitudes.
SputaGrid ComputeSputaGrid(const BodyTable& bodies);

// The distance of every pair, as SputaDistance finds it.
SputaDistances ComputeSputaDistances(const BodyTable& bodies);

// The strengths the distances of every pair give.
SputaGrid SputaGridOf(const SputaDistances& distances);

// The distance a pair's strength is found from: the plain difference of
// the two whole-degree longitudes, neither folded to 180 nor directed.
int SputaDistance(const SignDms& first, const SignDms& second);

}  // namespace sarovin
