#include "cli/place_birth.h"

#include "form/input_checks.h"
#include "places/place_filling.h"

namespace sarovin {

namespace {

void TakePlace(const PanelPlace& place, TypedBirth& birth) {
    birth.city = place.city;
    birth.state = place.state;
    birth.country = place.country;
    birth.latitude = place.latitude;
    birth.isSouth = place.latitudeHemisphere == LatitudeHemisphere::South;
    birth.longitude = place.longitude;
    birth.isEast = place.longitudeHemisphere == LongitudeHemisphere::East;
}

}  // namespace

std::string PutPlaceOnBirth(const Place& place, bool proposeZone, TypedBirth& birth) {
    TakePlace(PanelPlaceOf(place), birth);
    if (!proposeZone || !DateIsOnCalendar(birth.day, birth.month, birth.year)) {
        return {};
    }
    const ZoneProposal proposal =
        ProposeZone(place.zoneId, birth.year, birth.month, birth.day, birth.hour, birth.minute);
    if (!proposal.zoneRow) {
        return proposal.note + "; give --zone ROW";
    }
    birth.zone = *proposal.zoneRow;
    birth.daylightSaving = proposal.daylightSaving;
    return {};
}

}  // namespace sarovin
