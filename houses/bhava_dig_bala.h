#pragma once

namespace sarovin {

// The Bhava Dig Bala in virupas of house `number` (1 to 12) whose madhya
// stands at the sidereal longitude `madhya`.
double BhavaDigBala(int number, double madhya);

// The house (1 to 12) where a madhya at `madhya` is strongest.
int StrongestHouseOf(double madhya);

}  // namespace sarovin
