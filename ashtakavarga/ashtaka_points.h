#pragma once

#include <array>
#include <string_view>

#include "engine/body_slot.h"

namespace sarovin {

// The eight points of Ashtakavarga in the classical order: the seven
// planets from the Sun to Saturn by their weekdays' order, then the Lagna.
// Each has a table of its own and gives bindus in every table.
enum class AshtakaPoint : int { Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, Lagna };

inline constexpr int ASHTAKA_POINT_COUNT = 8;
inline constexpr int ASHTAKA_PLANET_COUNT = 7;

inline constexpr std::array<std::string_view, ASHTAKA_POINT_COUNT> AshtakaPointNames = {
    "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn", "Lagna"};

// The body slot of each of the seven planets, in the order above.
inline constexpr std::array<BodySlot, ASHTAKA_PLANET_COUNT> AshtakaPlanetSlots = {
    Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn};

}  // namespace sarovin
