#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "atlas/gazetteer.h"
#include "atlas/place.h"
#include "common/result.h"

namespace sarovin {

// The credit the place data asks for wherever the program shows or ships
// it (GeoNames, under the Creative Commons Attribution 4.0 licence).
inline constexpr char PLACE_DATA_CREDIT[] =
    "Place data from GeoNames (https://www.geonames.org), licensed under CC BY 4.0 "
    "(https://creativecommons.org/licenses/by/4.0/).";

// The offline atlas, read from the installed place index once on first
// use and kept for the life of the program; empty where no index can be
// read.
const Gazetteer& KnownAtlas();

// Every town of the offline atlas.
std::span<const Place> KnownPlaces();

// SearchAtlas over the known atlas.
std::vector<Place> FindPlaces(std::string_view text, std::size_t limit);

// ResolveInAtlas over the known atlas.
Result<Place> ResolvePlace(std::string_view query);

}  // namespace sarovin
