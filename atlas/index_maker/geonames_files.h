#pragma once

#include <string>
#include <vector>

#include "atlas/gazetteer.h"
#include "atlas/place.h"
#include "common/result.h"

namespace sarovin {

// The places read from GeoNames' files and the other names each is known by.
struct GeoNamesPlaces {
    std::vector<Place> places;
    std::vector<OtherName> otherNames;
};

// The places of `citiesPath` (GeoNames' cities500.txt) with 1,000 people or
// more or seats of a division down to the third level, their regions named
// from `regionsPath` (an array of {"code": "IN.16", "name": "Maharashtra"}),
// their countries from `countriesPath` (code, tab, name) and, besides their
// alternate names in Latin letters, the names of `renamingsPath`
// (GeoNames id, tab, GeoNames name, tab, other name, tab, source).
Result<GeoNamesPlaces> ReadGeoNamesPlaces(const std::string& citiesPath,
                                          const std::string& regionsPath,
                                          const std::string& countriesPath,
                                          const std::string& renamingsPath);

}  // namespace sarovin
