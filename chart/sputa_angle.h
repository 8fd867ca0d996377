#pragma once

#include "drishti/sputa_drishti.h"

namespace sarovin {

// The distance in whole degrees between the row and column bodies from
// which their Sputa strength was found.
int SputaAngle(const SputaDrishti& sputa, int row, int column);

}  // namespace sarovin
