#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "atlas/gazetteer.h"
#include "common/result.h"

namespace sarovin {

// The atlas saved as a compact text index, made at build time from the
// GeoNames data and installed with the program. Its lines, tab-separated:
//
//   sarovin-places 1
//   countries N, then N lines: code, name
//   regions N, then N lines: country number, name
//   zones N, then N lines: IANA zone
//   places N, then N lines: name, region number (empty for none),
//     country number, zone number, latitude, longitude, population
//   names N, then N lines in key order: place number, the other name as
//     written (empty for the place's own name), its search key where that
//     is not the name in ASCII lower case
//
// Tables are numbered from 0 in their order; regions, countries and zones
// are written once however many places share them.
void WritePlaceIndex(const Gazetteer& atlas, std::ostream& out);

// The atlas of an index as WritePlaceIndex writes it, or why it cannot be
// read.
Result<Gazetteer> ReadPlaceIndex(const std::string& text);

}  // namespace sarovin
