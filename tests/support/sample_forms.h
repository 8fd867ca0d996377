#pragma once

#include "form/input_form.h"
#include "tests/support/sample_births.h"

namespace sarovin::testing {

// The input panel holding the Asha Rao birth.
inline InputForm AshaRaoForm() {
    InputForm form;
    form.name = "Asha Rao";
    form.dayPosition = 14;
    form.monthPosition = 5;
    form.yearPosition = 79;
    form.hourPosition = 8;
    form.minutePosition = 30;
    form.zonePosition = INDIAN_TIME_ZONE;
    form.latitudeDegrees = "28";
    form.latitudeMinutes = "36";
    form.longitudeDegrees = "77";
    form.longitudeMinutes = "12";
    form.latitudeHemisphere = LatitudeHemisphere::North;
    form.longitudeHemisphere = LongitudeHemisphere::East;
    form.daylightSaving = false;
    form.city = "New Delhi";
    form.state = "Delhi";
    form.country = "India";
    return form;
}

}  // namespace sarovin::testing
