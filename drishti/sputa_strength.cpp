#include <cstdlib>

#include "drishti/sputa_drishti.h"
#include "text/round_half_even.h"

namespace sarovin {

namespace {

// R(x) of the strength formulas: nearest whole number, halves to even.
int Rounded(double value) {
    return static_cast<int>(RoundHalfToEven(value));
}

int Nothing(int) {
    return 0;
}
int GeneralRising(int d) {
    return Rounded((d - 30) / 2.0);
}
int GeneralSquare(int d) {
    return d - 45;
}
int GeneralTrine(int d) {
    return Rounded((120 - d) / 2.0 + 30);
}
int GeneralFalling(int d) {
    return 150 - d;
}
int GeneralOpposition(int d) {
    return (150 - d) * 2;
}
int GeneralWaning(int d) {
    return Rounded((300 - d) / 2.0);
}

int MarsOrJupiterTrine(int d) {
    return Rounded((d - 90) / 2.0 + 45);
}
int MarsOrJupiterFalling(int d) {
    return (150 - d) * 2;
}
int MarsFull(int) {
    return 60;
}
int MarsWaning(int d) {
    return 270 - d;
}
int JupiterWaning(int d) {
    return Rounded((d - 210) / 2.0 + 45);
}
int JupiterLate(int d) {
    return Rounded((270 - d) / 3.0 * 2 + 15);
}
int SaturnRising(int d) {
    return (d - 30) * 2;
}
int SaturnSquare(int d) {
    return Rounded((90 - d) / 2.0 + 45);
}
int SaturnLate(int d) {
    return d - 210;
}
int SaturnWaning(int d) {
    return (300 - d) * 2;
}

}  // namespace

// Band 9 spans sixty degrees, the others thirty.
const std::array<SputaBand, SPUTA_BANDS> SputaBandTable = {{
    {0, 30, Nothing, nullptr, nullptr, nullptr},
    {31, 60, GeneralRising, nullptr, nullptr, SaturnRising},
    {61, 90, GeneralSquare, nullptr, nullptr, SaturnSquare},
    {91, 120, GeneralTrine, MarsOrJupiterTrine, MarsOrJupiterTrine, nullptr},
    {121, 150, GeneralFalling, MarsOrJupiterFalling, MarsOrJupiterFalling, nullptr},
    {151, 180, GeneralOpposition, nullptr, nullptr, nullptr},
    {181, 210, GeneralWaning, MarsFull, nullptr, nullptr},
    {211, 240, GeneralWaning, MarsWaning, JupiterWaning, nullptr},
    {241, 270, GeneralWaning, nullptr, JupiterLate, SaturnLate},
    {271, 330, GeneralWaning, nullptr, nullptr, SaturnWaning},
    {331, 360, Nothing, nullptr, nullptr, nullptr},
}};

int SputaStrengthGeneral(const SputaBand& band, int distance) {
    return std::abs(band.general(distance));
}

int SputaStrengthMars(const SputaBand& band, int distance) {
    return std::abs(band.mars(distance));
}

int SputaStrengthJupiter(const SputaBand& band, int distance) {
    return std::abs(band.jupiter(distance));
}

int SputaStrengthSaturn(const SputaBand& band, int distance) {
    return std::abs(band.saturn(distance));
}

}  // namespace sarovin
