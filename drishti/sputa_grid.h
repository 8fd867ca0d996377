#pragma once

#include "drishti/sputa_drishti.h"
#include "engine/body_table.h"

namespace sarovin {

// The Sputa strength of every body on every other, from their whole-degree
// longitudes.
SputaGrid ComputeSputaGrid(const BodyTable& bodies);

}  // namespace sarovin
