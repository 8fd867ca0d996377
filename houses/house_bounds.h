#pragma once

#include <array>

#include "zodiac/zodiac.h"

namespace sarovin {

inline constexpr int HOUSES = 12;

// One house along the zodiac, in sidereal degrees [0, 360): its madhya
// (middle), its start (the sandhi before it) and its end (the next house's
// start). A house may run over 0 degrees Mesha, so end may be below start.
struct HouseBounds {
    double madhya = 0;
    double start = 0;
    double end = 0;

    friend bool operator==(const HouseBounds&, const HouseBounds&) = default;
};

using HouseFrame = std::array<HouseBounds, HOUSES>;

// Sripati: the library's Porphyry cusps are the madhyas (the Lagna, the
// quadrants trisected); each house starts midway from the previous madhya
// to its own (Brihat Parashara Hora Shastra, the chapter on Bhava Bala;
// B. V. Raman, "Graha and Bhava Balas", the Sripati method).
HouseFrame SripatiHouses(const std::array<double, HOUSES>& porphyryCusps);

// Equal: madhya k = Lagna + 30 (k - 1), starting 15 degrees before it.
HouseFrame EqualHouses(double lagna);

// Whole-sign: house k is the k-th sign from the Lagna's, madhya at 15 degrees.
HouseFrame WholeSignHouses(double lagna);

// Placidus, as Krishnamurti's school takes it: the cusps start the houses,
// each madhya is midway from its cusp to the next.
HouseFrame PlacidusHouses(const std::array<double, HOUSES>& placidusCusps);

// The house index (0 for the first) whose span holds `longitude`, its
// start included and its end excluded: a body exactly on a sandhi belongs
// to the house starting there.
int HouseIndexOf(double longitude, const HouseFrame& frame);

}  // namespace sarovin
