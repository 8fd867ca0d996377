#pragma once

#include <array>

#include "drishti/classical_sputa_drishti.h"
#include "drishti/drik_bala.h"
#include "houses/house_bounds.h"

namespace sarovin {

// The moment of birth and the day around it, as Julian days (UT): the
// sunrise that began the Hindu day of the birth (the last one at or before
// it), the sunset that followed, and the next sunrise; the Sun's disc
// centre on the horizon, without refraction.
struct BirthDay {
    double birth = 0;
    double sunrise = 0;
    double sunset = 0;
    double nextSunrise = 0;
    // The place's longitude, degrees east: local mean time, the civil date
    // of the sunrise and the distance from Ujjain's meridian.
    double placeLongitude = 0;

    friend bool operator==(const BirthDay&, const BirthDay&) = default;
};

// Everything the Shadbala reads, in plain numbers: the sidereal longitudes
// of the Sun to Saturn in body-slot order, the Lagna and the madhyas of the
// twelve houses (sidereal degrees), the ayanamsa (degrees added to a
// sidereal longitude to give the tropical one), the day of birth, the
// benefics of the chart and its Drik Bala.
struct ShadbalaInputs {
    std::array<double, ASPECTING_PLANETS> longitudes{};
    double lagna = 0;
    std::array<double, HOUSES> madhyas{};
    double ayanamsa = 0;
    BirthDay day;
    std::array<bool, ASPECTING_PLANETS> benefic{};
    DrikBala drik{};
};

}  // namespace sarovin
