#pragma once

#include "common/result.h"
#include "swiss/swiss_ephemeris.h"

namespace sarovin {

// The Hindu day of a moment at a place, as Julian days (UT): the last
// sunrise at or before the moment, the sunset after it and the next
// sunrise. Sunrise and sunset are the Sun's disc centre on the horizon,
// without refraction (the Hindu sunrise of the Surya Siddhanta).
struct SunDay {
    double sunrise = 0;
    double sunset = 0;
    double nextSunrise = 0;

    friend bool operator==(const SunDay&, const SunDay&) = default;
};

// The day of the request's moment and place; refused where the Sun does
// not rise or set that day (inside the polar circles) and for moments the
// files do not cover.
Result<SunDay> ComputeSunDay(const SwissRequest& request);

}  // namespace sarovin
