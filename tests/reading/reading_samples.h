#pragma once

#include <string>
#include <vector>

#include "engine/birth_record.h"
#include "form/input_form.h"
#include "tests/support/sample_births.h"
#include "tests/support/sample_forms.h"

namespace sarovin {

// One worked reading: the record, its zone row, the values its file holds
// and the input panel it restores to.
inline constexpr int ASHA_RAO_ZONE = testing::INDIAN_TIME_ZONE;

inline std::vector<std::string> AshaRaoValues() {
    return {"Asha Rao", "6",  "15",   "1980",  "8",     "30",        "34",    "77",   "12",
            "28",       "36", "True", "False", "False", "New Delhi", "Delhi", "India"};
}

// A panel unlike the worked one in every control, to restore onto.
inline InputForm OtherForm() {
    InputForm form;
    form.name = "other";
    form.dayPosition = 2;
    form.monthPosition = 9;
    form.yearPosition = 3;
    form.hourPosition = 4;
    form.minutePosition = 5;
    form.zonePosition = 7;
    form.latitudeDegrees = form.latitudeMinutes = "9";
    form.longitudeDegrees = form.longitudeMinutes = "9";
    form.latitudeHemisphere = LatitudeHemisphere::South;
    form.longitudeHemisphere = LongitudeHemisphere::West;
    form.daylightSaving = true;
    form.city = form.state = form.country = "other";
    return form;
}

}  // namespace sarovin
