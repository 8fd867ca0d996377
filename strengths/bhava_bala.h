#pragma once

#include <array>

#include "houses/houses.h"
#include "strengths/bala_working.h"
#include "strengths/shadbala.h"

namespace sarovin {

// One house's Bhava Bala (B. V. Raman, "Graha and Bhava Balas", ch. IX;
// Brihat Parashara Hora Shastra, the chapter on Bhava Bala): the Shadbala
// of the lord of its madhya's sign (Bhavadhipati Bala), its Bhava Dig Bala
// and its Bhava Drishti Bala, their sum in virupas and rupas, and its place
// among the twelve (1 the strongest).
struct HouseBhavaBala {
    int number = 0;
    int lord = 0;
    BalaWorking adhipati;
    BalaWorking dig;
    BalaWorking drishti;
    double virupas = 0;
    double rupas = 0;
    int rank = 0;

    friend bool operator==(const HouseBhavaBala&, const HouseBhavaBala&) = default;
};

using BhavaBala = std::array<HouseBhavaBala, HOUSES>;

BhavaBala ComputeBhavaBala(const Houses& houses, const Shadbala& shadbala);

}  // namespace sarovin
