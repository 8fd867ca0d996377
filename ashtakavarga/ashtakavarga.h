#pragma once

#include <array>
#include <cstdint>

#include "ashtakavarga/ashtaka_points.h"
#include "ashtakavarga/contributing_places.h"

namespace sarovin {

inline constexpr int ZODIAC_SIGNS = 12;

using SignBindus = std::array<int, ZODIAC_SIGNS>;

// The Ashtakavarga of a chart, signs counted from Mesha.
struct Ashtakavarga {
    AshtakavargaTables tables = AshtakavargaTables::Parashara;
    // For each owner's table and each contributor, the signs where the
    // contributor gives a bindu, as bit (sign) of the mask: the Prastara
    // from which the rest is counted.
    std::array<std::array<std::uint16_t, ASHTAKA_POINT_COUNT>, ASHTAKA_POINT_COUNT> prastara{};
    // Each point's Bhinnashtakavarga: its bindus in each sign.
    std::array<SignBindus, ASHTAKA_POINT_COUNT> bhinna{};
    // The Sarvashtakavarga: the seven planets' Bhinnashtakavargas added
    // (the Lagna's is not among them), 337 bindus in all.
    SignBindus sarva{};

    friend bool operator==(const Ashtakavarga&, const Ashtakavarga&) = default;
};

// The Ashtakavarga of the eight points standing in `signs` (0 is Mesha),
// in AshtakaPoint's order.
Ashtakavarga ComputeAshtakavarga(const std::array<int, ASHTAKA_POINT_COUNT>& signs,
                                 AshtakavargaTables tables);

// Whether `contributor` gives a bindu to `sign` in the table of `owner`.
bool GivesBindu(const Ashtakavarga& ashtakavarga, AshtakaPoint owner, AshtakaPoint contributor,
                int sign);

}  // namespace sarovin
