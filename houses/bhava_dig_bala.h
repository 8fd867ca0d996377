#pragma once

namespace sarovin {

// The Bhava Dig Bala of a house with its working: the house (1 to 12)
// where its madhya's sign is strongest, how many houses away it stands,
// counted the shorter way round, and the virupas.
struct BhavaDigBala {
    int strongestHouse = 1;
    int housesAway = 0;
    double virupas = 0;

    friend bool operator==(const BhavaDigBala&, const BhavaDigBala&) = default;
};

// The Bhava Dig Bala of house `number` (1 to 12) whose madhya stands at
// the sidereal longitude `madhya`.
BhavaDigBala ComputeBhavaDigBala(int number, double madhya);

}  // namespace sarovin
