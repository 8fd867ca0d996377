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

// B. V. Raman's standard horoscope ("Graha and Bhava Balas"): 16 October
// 1918, 14:22 Indian time (+5:30), Bangalore, 13°00' N 77°35' E.
inline InputForm RamanForm() {
    InputForm form = AshaRaoForm();
    form.name = "Raman";
    form.dayPosition = 15;
    form.monthPosition = 9;
    form.yearPosition = 17;
    form.hourPosition = 14;
    form.minutePosition = 22;
    form.latitudeDegrees = "13";
    form.latitudeMinutes = "00";
    form.longitudeDegrees = "77";
    form.longitudeMinutes = "35";
    form.city = "Bangalore";
    form.state = "Karnataka";
    return form;
}

}  // namespace sarovin::testing
