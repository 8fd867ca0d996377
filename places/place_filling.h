#pragma once

#include <string_view>

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

// What a calculation is refused with while the two instants of a repeated
// clock time wait for a choice.
inline constexpr std::string_view CHOOSE_REPEATED_TIME =
    "This clock time came twice; choose the first or the second under the time zone.";

// Settles the zone as proposed, every time: the row and the tick, or the
// exact offset of `ianaZone` (the row kept, the tick off), each clearing
// the other. A proposal that settles nothing leaves the row and tick but
// marks the zone unsettled, so no calculation uses them unawares.
void ApplyZoneProposal(const ZoneProposal& proposal, std::string_view ianaZone, InputForm& form);

}  // namespace sarovin
