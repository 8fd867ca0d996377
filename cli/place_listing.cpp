#include "cli/place_listing.h"

#include "places/place_filling.h"
#include "text/angle_text.h"

namespace sarovin {

namespace {

// The coordinates rounded to the minute exactly as --place takes them.
std::string CoordinatesText(const Place& place) {
    const PanelPlace onPanel = PanelPlaceOf(place);
    const bool south = onPanel.latitudeHemisphere == LatitudeHemisphere::South;
    const bool east = onPanel.longitudeHemisphere == LongitudeHemisphere::East;
    return AngleText(onPanel.latitude.degrees, onPanel.latitude.minutes, south ? 'S' : 'N') + " " +
           AngleText(onPanel.longitude.degrees, onPanel.longitude.minutes, east ? 'E' : 'W');
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
