#pragma once

#include <array>
#include <optional>

#include "engine/body_table.h"

namespace sarovin {

// The Sun to Saturn cast classical Sputa Drishti; the nodes receive it only.
inline constexpr int ASPECTING_PLANETS = 7;

// The classical strength in virupas of `aspecting` (a body slot, Sun to
// Saturn) on a point `angle` degrees ahead of it (0 <= angle < 360): the
// band's general value plus the aspecting planet's own special aspect.
double ClassicalSputaStrength(int aspecting, double angle);

// The angle from an aspecting longitude forward to an aspected one,
// reduced to [0, 360).
double AspectAngle(double aspecting, double aspected);

// The Lagna's sidereal longitude and the virupas the seven planets cast
// on it, with the angle from each planet they were found from.
struct LagnaAspects {
    double longitude = 0;
    std::array<double, ASPECTING_PLANETS> virupas{};
    std::array<double, ASPECTING_PLANETS> angles{};

    friend bool operator==(const LagnaAspects&, const LagnaAspects&) = default;
};

// Virupas cast by each of the seven planets (rows) on every body (columns
// in body-slot order; a planet's own column is 0) and on the Lagna when
// the ephemeris gives one, from the exact sidereal longitudes, with the
// AspectAngle each was found from.
struct ClassicalSputa {
    std::array<std::array<double, BODY_COUNT>, ASPECTING_PLANETS> grid{};
    std::array<std::array<double, BODY_COUNT>, ASPECTING_PLANETS> angles{};
    std::optional<LagnaAspects> lagna;

    friend bool operator==(const ClassicalSputa&, const ClassicalSputa&) = default;
};

ClassicalSputa ComputeClassicalSputa(const BodyTable& bodies, std::optional<double> lagna);

}  // namespace sarovin
