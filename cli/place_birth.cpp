#include "cli/place_birth.h"

#include "cli/option_values.h"
#include "cli/typed_reading.h"
#include "places/place_filling.h"

namespace sarovin {

namespace {

// The box texts FillPlace writes are whole numbers of at most three digits.
int BoxNumber(const std::string& text) {
    return ParseNumberInRange(text, 0, LargestBoxNumber()).value_or(0);
}

DegreesMinutes BoxAngle(const std::string& degrees, const std::string& minutes) {
    return {BoxNumber(degrees), BoxNumber(minutes)};
}

void TakePlaceFromForm(const InputForm& form, TypedBirth& birth) {
    birth.city = form.city;
    birth.state = form.state;
    birth.country = form.country;
    birth.latitude = BoxAngle(form.latitudeDegrees, form.latitudeMinutes);
    birth.isSouth = form.latitudeHemisphere == LatitudeHemisphere::South;
    birth.longitude = BoxAngle(form.longitudeDegrees, form.longitudeMinutes);
    birth.isEast = form.longitudeHemisphere == LongitudeHemisphere::East;
}

}  // namespace

std::string PutPlaceOnBirth(const Place& place, bool proposeZone, TypedBirth& birth) {
    InputForm form = FormFromTypedBirth(birth);
    FillPlace(place, form);
    TakePlaceFromForm(form, birth);
    if (!proposeZone || CheckTypedBirth(birth)) {
        return {};
    }
    const ZoneProposal proposal = ProposeZoneFor(place, form);
    if (!proposal.zoneRow) {
        return proposal.note + "; give --zone ROW";
    }
    ApplyZoneProposal(proposal, form);
    birth.zone = form.zonePosition;
    birth.daylightSaving = form.daylightSaving;
    return {};
}

}  // namespace sarovin
