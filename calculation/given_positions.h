#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/result.h"
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

// The entries of given positions, in the order a missing one is named and
// the text writes them: the Sun, Moon, Mars, Mercury, Jupiter, Venus,
// Saturn, Rahu, the Lagna and the MC.
inline constexpr int GIVEN_ENTRIES = 10;
inline constexpr std::array<std::string_view, GIVEN_ENTRIES> GIVEN_ENTRY_NAMES = {
    "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn", "Rahu", "Lagna", "MC"};

double GivenEntry(const GivenPositions& given, int entry);
void SetGivenEntry(GivenPositions& given, int entry, double longitude);

// A longitude as degrees:minutes[:seconds], degrees 0-360, minutes and
// seconds 0-59, at most 360 in all; 360 is 0. Nothing for any other text.
std::optional<double> ReadGivenLongitude(std::string_view text);

// A longitude to the nearest second as ReadGivenLongitude reads it:
// "180:53:55".
std::string GivenLongitudeText(double longitude);

// "Sun=180:53:55,Moon=311:17:19,...,Lagna=298:27,MC=216:36": one entry for
// each of GIVEN_ENTRY_NAMES in any order. A missing, repeated, unknown or
// malformed entry is refused with its name and `where` the text came from
// ("--positions").
Result<GivenPositions> ReadGivenPositions(std::string_view text, std::string_view where);

// The positions as ReadGivenPositions reads them, in entry order, each to
// the second.
std::string GivenPositionsText(const GivenPositions& given);

}  // namespace sarovin
