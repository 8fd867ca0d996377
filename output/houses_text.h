#pragma once

#include <string>

#include "houses/houses.h"

namespace sarovin {

// The houses table of the text report: a heading naming the system, a line
// of column headings, then one line a house, columns padded to the widest
// cell and two spaces apart.
std::string HousesTable(const Houses& houses);

}  // namespace sarovin
