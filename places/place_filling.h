#pragma once

#include "atlas/place.h"
#include "form/degrees_minutes.h"
#include "form/input_form.h"
#include "places/zone_proposal.h"

namespace sarovin {

// A chosen place as the panel takes it: city, state and country in the
// letters the boxes take (accents dropped, any other character a space), and
// the latitude and longitude in whole degrees and minutes, rounded to the
// nearest minute, with their hemispheres.
struct PanelPlace {
    std::string city;
    std::string state;
    std::string country;
    DegreesMinutes latitude;
    LatitudeHemisphere latitudeHemisphere = LatitudeHemisphere::North;
    DegreesMinutes longitude;
    LongitudeHemisphere longitudeHemisphere = LongitudeHemisphere::East;
};

PanelPlace PanelPlaceOf(const Place& place);

// Puts a chosen place on the panel, as PanelPlaceOf gives it.
void FillPlace(const Place& place, InputForm& form);

// The zone proposal for a place at the date and clock time on the panel.
ZoneProposal ProposeZoneFor(const Place& place, const InputForm& form);

// Chooses the proposed zone row and daylight-saving tick; a proposal
// without a row leaves both as they were.
void ApplyZoneProposal(const ZoneProposal& proposal, InputForm& form);

}  // namespace sarovin
