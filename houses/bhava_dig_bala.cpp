#include "houses/bhava_dig_bala.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "houses/house_bounds.h"

namespace sarovin {

namespace {

// Brihat Parashara Hora Shastra, the chapter on Bhava Bala (Bhava Dig
// Bala), as B. V. Raman, "Graha and Bhava Balas", tabulates it: human signs
// (Mithuna, Kanya, Thula, Kumbha, the first half of Dhanus) are strongest
// in the 1st house; water signs (Kataka, Meena, the second half of Makara)
// in the 4th; Vrischika in the 7th; the quadruped signs (Mesha, Vrishabha,
// Simha, the second half of Dhanus, the first half of Makara) in the 10th.
// Each sign's strongest house for its first and its second half.
struct HalfSigns {
    int firstHalf;
    int secondHalf;
};

constexpr std::array<HalfSigns, HOUSES> STRONGEST_HOUSE = {{
    {10, 10},  // Mesha
    {10, 10},  // Vrishabha
    {1, 1},    // Mithuna
    {4, 4},    // Kataka
    {10, 10},  // Simha
    {1, 1},    // Kanya
    {1, 1},    // Thula
    {7, 7},    // Vrischika
    {1, 10},   // Dhanus
    {10, 4},   // Makara
    {1, 1},    // Kumbha
    {4, 4},    // Meena
}};

constexpr double HALF_SIGN = 15;
constexpr double FULL_STRENGTH = 60;
constexpr double LOSS_PER_HOUSE = 10;

// The house (1 to 12) where a madhya at `madhya` is strongest.
int StrongestHouseOf(double madhya) {
    const int sign = SignOf(madhya);
    const bool secondHalf = DegreesInSign(madhya) >= HALF_SIGN;
    const HalfSigns& halves = STRONGEST_HOUSE[sign];
    return secondHalf ? halves.secondHalf : halves.firstHalf;
}

}  // namespace

// 60 virupas in the strongest house, 10 less for each house away, counted
// the shorter way round: 0 six houses away.
BhavaDigBala ComputeBhavaDigBala(int number, double madhya) {
    const int strongest = StrongestHouseOf(madhya);
    const int apart = std::abs(number - strongest) % HOUSES;
    const int away = std::min(apart, HOUSES - apart);
    return {strongest, away, FULL_STRENGTH - LOSS_PER_HOUSE * away};
}

}  // namespace sarovin
