#pragma once

#include <array>

#include "engine/body_slot.h"
#include "houses/house_bounds.h"

namespace sarovin {

// Sidereal longitudes a reading takes in place of the ephemeris's, as a
// book or another program prints them: the Sun to Saturn and Rahu in
// body-slot order (Ketu stands opposite Rahu), the Lagna and the
// midheaven (MC), in degrees [0, 360).
struct GivenPositions {
    std::array<double, BODY_COUNT - 1> bodies{};
    double lagna = 0;
    double midheaven = 0;

    friend bool operator==(const GivenPositions&, const GivenPositions&) = default;
};

// The Porphyry cusps of a Lagna and a midheaven, each quadrant trisected,
// the 1st cusp the Lagna: the Sripati madhyas of the given angles.
std::array<double, HOUSES> TrisectedQuadrants(double lagna, double midheaven);

}  // namespace sarovin
