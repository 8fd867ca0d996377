#pragma once

#include <array>
#include <string_view>

namespace sarovin {

inline constexpr int NAKSHATRA_COUNT = 27;
inline constexpr int PADAS_PER_NAKSHATRA = 4;

// The nakshatras from 0° Mesha on, in their common English spelling.
inline constexpr std::array<std::string_view, NAKSHATRA_COUNT> NakshatraNames = {
    "Ashwini",
    "Bharani",
    "Krittika",
    "Rohini",
    "Mrigashira",
    "Ardra",
    "Punarvasu",
    "Pushya",
    "Ashlesha",
    "Magha",
    "Purva Phalguni",
    "Uttara Phalguni",
    "Hasta",
    "Chitra",
    "Swati",
    "Vishakha",
    "Anuradha",
    "Jyeshtha",
    "Mula",
    "Purva Ashadha",
    "Uttara Ashadha",
    "Shravana",
    "Dhanishta",
    "Shatabhisha",
    "Purva Bhadrapada",
    "Uttara Bhadrapada",
    "Revati"};

// The nakshatra (0 is Ashwini) and its pada (1 to 4) of a sidereal
// longitude.
struct NakshatraPada {
    int nakshatra = 0;
    int pada = 1;

    friend bool operator==(const NakshatraPada&, const NakshatraPada&) = default;
};

// The 27 equal nakshatras of 13°20' from 0° Mesha, each of four padas of
// 3°20', so that a sign holds nine padas (Varahamihira, Brihat Jataka,
// ch. 1: each sign is two and a quarter nakshatras, from Ashwini on).
// `longitude` is taken modulo 360.
NakshatraPada NakshatraOf(double longitude);

}  // namespace sarovin
