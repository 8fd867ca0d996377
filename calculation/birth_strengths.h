#pragma once

#include <optional>

#include "calculation/sky.h"
#include "drishti/drishti_report.h"
#include "houses/houses.h"
#include "strengths/bhava_bala.h"
#include "strengths/shadbala.h"

namespace sarovin {

// The Shadbala of the seven planets and the Bhava Bala of the twelve
// houses of one birth, computed once with the reading.
struct BirthStrengths {
    Shadbala shadbala;
    BhavaBala bhavaBala{};

    friend bool operator==(const BirthStrengths&, const BirthStrengths&) = default;
};

// The strengths of a birth read with the Swiss Ephemeris under the
// classical rules, by the sky's strength rules: the longitudes (given or
// the ephemeris's), the madhyas of its houses, the Drik Bala of its
// report, and the sunrise and sunset of its moment and place. None with
// the built-in ephemeris or the 1.15 rules, and where the Sun does not rise
// and set that day (inside the polar circles), which leaves the Kala Bala
// without its day.
std::optional<BirthStrengths> ComputeBirthStrengths(const Sky& sky, const DrishtiReport& report,
                                                    const std::optional<Houses>& houses);

}  // namespace sarovin
