#pragma once

#include <array>

#include "drishti/classical_sputa_drishti.h"
#include "engine/body_table.h"

namespace sarovin {

// One term of a Drik Bala sum: the planet casting the aspect, whether it
// counts as a benefic, and the virupas it casts.
struct DrikContribution {
    int planet = 0;
    bool benefic = false;
    double virupas = 0;

    friend bool operator==(const DrikContribution&, const DrikContribution&) = default;
};

// The Drik Bala of one planet: its own nature, the strength in virupas,
// the net aspect it is the quarter of, and the six other planets' terms
// that net was summed from, the benefics' added and the malefics' taken.
struct DrikBalaValue {
    bool benefic = false;
    double virupas = 0;
    double net = 0;
    std::array<DrikContribution, ASPECTING_PLANETS - 1> contributors{};

    friend bool operator==(const DrikBalaValue&, const DrikBalaValue&) = default;
};

// The Sun to Saturn in body-slot order.
using DrikBala = std::array<DrikBalaValue, ASPECTING_PLANETS>;

// Which of the seven planets count as benefics: Jupiter, Venus, the Moon
// when waxing, and Mercury unless the other planets in its sign hold more
// malefics than benefics.
std::array<bool, ASPECTING_PLANETS> BeneficPlanets(const BodyTable& bodies);

// One quarter of the virupas cast on each planet by benefics less those
// cast by malefics.
DrikBala ComputeDrikBala(const ClassicalSputa& sputa, const BodyTable& bodies);

}  // namespace sarovin
