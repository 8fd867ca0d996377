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

Result<Done> PutPlaceOnBirth(const Place& place, bool proposeZone, DaylightSavingGiven given,
                             TypedBirth& birth) {
    TakePlace(PanelPlaceOf(place), birth);
    if (!proposeZone || !DateIsOnCalendar(birth.day, birth.month, birth.year)) {
        return Done{};
    }
    ZoneProposal proposal =
        ProposeZone(place.zoneId, birth.year, birth.month, birth.day, birth.hour, birth.minute);
    bool tickGiven = given == DaylightSavingGiven::Dst;
    if (!proposal.repeated.empty()) {
        if (given == DaylightSavingGiven::Neither) {
            return RefuseWith(proposal.note +
                              "; give --dst for the first or --no-dst for the second");
        }
        proposal = ZoneProposal(proposal.repeated[tickGiven ? 0 : 1]);
        tickGiven = false;
    }
    if (proposal.zoneRow) {
        birth.zone = *proposal.zoneRow;
        birth.daylightSaving = proposal.daylightSaving || tickGiven;
    } else if (proposal.exactOffset) {
        birth.exactOffset = ExactOffset{*proposal.exactOffset, OffsetSource::Atlas, place.zoneId};
        birth.daylightSaving = false;
    } else {
        return RefuseWith(proposal.note + "; give --zone ROW or --utc-offset +HH:MM");
    }
    return Done{};
}

}  // namespace sarovin
