#pragma once

#include <array>

#include "strengths/bala_working.h"
#include "strengths/shadbala_inputs.h"
#include "strengths/strength_rules.h"

namespace sarovin {

// The five parts of a planet's Sthana Bala (positional strength) and their
// sum, in virupas.
struct SthanaBala {
    BalaWorking uchcha;
    BalaWorking saptavargaja;
    BalaWorking ojayugma;
    BalaWorking kendradi;
    BalaWorking drekkana;
    double virupas = 0;

    friend bool operator==(const SthanaBala&, const SthanaBala&) = default;
};

// The Sthana Bala of the Sun to Saturn, in body-slot order.
std::array<SthanaBala, ASPECTING_PLANETS> ComputeSthanaBala(const ShadbalaInputs& inputs,
                                                            const StrengthRules& rules);

}  // namespace sarovin
