#include "cli/place_listing.h"

#include "cli/place_birth.h"
#include "text/angle_text.h"

namespace sarovin {

namespace {

// The coordinates rounded to the minute exactly as --place takes them.
std::string CoordinatesText(const Place& place) {
    TypedBirth birth;
    PutPlaceOnBirth(place, false, birth);
    return AngleText(birth.latitude.degrees, birth.latitude.minutes, birth.isSouth ? 'S' : 'N') +
           " " +
           AngleText(birth.longitude.degrees, birth.longitude.minutes, birth.isEast ? 'E' : 'W');
}

}  // namespace

std::string PlaceListing(std::span<const Place> places) {
    std::string listing;
    for (const Place& place : places) {
        listing += place.Label() + "\t" + CoordinatesText(place) + "\t" + place.zoneId + "\n";
    }
    return listing;
}

}  // namespace sarovin
