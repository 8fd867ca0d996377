#pragma once

#include <array>

#include "drishti/classical_sputa_drishti.h"
#include "engine/body_table.h"

namespace sarovin {

// One term of a Bhava Drishti Bala sum: the planet, its weight, the
// classical Sputa Drishti it casts on the madhya, and their product.
struct BhavaDrishtiTerm {
    int planet = 0;
    double weight = 0;
    double virupas = 0;
    double term = 0;

    friend bool operator==(const BhavaDrishtiTerm&, const BhavaDrishtiTerm&) = default;
};

// The Bhava Drishti Bala of one house and the seven terms it sums, Sun to
// Saturn.
struct BhavaDrishtiBala {
    double virupas = 0;
    std::array<BhavaDrishtiTerm, ASPECTING_PLANETS> terms{};

    friend bool operator==(const BhavaDrishtiBala&, const BhavaDrishtiBala&) = default;
};

// The weights of the seven planets for every house of this birth.
std::array<double, ASPECTING_PLANETS> BhavaDrishtiWeights(const BodyTable& bodies);

// The Bhava Drishti Bala of a house whose madhya stands at `madhya`.
BhavaDrishtiBala ComputeBhavaDrishtiBala(const BodyTable& bodies,
                                         const std::array<double, ASPECTING_PLANETS>& weights,
                                         double madhya);

}  // namespace sarovin
