#include "cli/place_listing.h"

namespace sarovin {

std::string PlaceListing(std::span<const Place> places) {
    std::string listing;
    for (const Place& place : places) {
        listing += place.Label() + "\t" + place.CoordinatesText() + "\t" + place.zoneId + "\n";
    }
    return listing;
}

}  // namespace sarovin
