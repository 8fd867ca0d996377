#pragma once

#include <array>

#include "strengths/bala_working.h"
#include "strengths/day_lords.h"
#include "strengths/shadbala_inputs.h"
#include "strengths/strength_rules.h"

namespace sarovin {

// The parts of a planet's Kala Bala (temporal strength) and their sum, in
// virupas. Yuddha is 0 until ApplyYuddha finds a planetary war.
struct KalaBala {
    BalaWorking nathonnata;
    BalaWorking paksha;
    BalaWorking tribhaga;
    BalaWorking abda;
    BalaWorking masa;
    BalaWorking vara;
    BalaWorking hora;
    BalaWorking ayana;
    BalaWorking yuddha;
    double virupas = 0;

    friend bool operator==(const KalaBala&, const KalaBala&) = default;
};

// The Kala Bala of the Sun to Saturn, in body-slot order, without Yuddha.
std::array<KalaBala, ASPECTING_PLANETS> ComputeKalaBala(const ShadbalaInputs& inputs,
                                                        const DayLords& lords,
                                                        const StrengthRules& rules);

// The sum of the parts of a Kala Bala.
double KalaTotal(const KalaBala& kala);

// The declination (kranti) in degrees, north positive, of a tropical
// longitude on the ecliptic, from the table of Raman's ch. V.
double Kranti(double tropicalLongitude);

}  // namespace sarovin
