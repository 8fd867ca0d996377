#pragma once

#include "drishti/classical_sputa_drishti.h"
#include "drishti/drik_bala.h"
#include "engine/body_table.h"
#include "strengths/shadbala_inputs.h"

namespace sarovin::testing {

constexpr double Dms(double degrees, double minutes, double seconds = 0) {
    return degrees + minutes / 60 + seconds / 3600;
}

// B. V. Raman, "Graha and Bhava Balas", the standard horoscope: born 16
// October 1918 at 2:06:16 p.m. LMT at Bangalore (77°35' E), 08:55:56 UT;
// Raman's ayanamsa 21°16'; the book's longitudes, Sun to Saturn and Rahu
// in body-slot order, and its Sripati madhyas.
inline BodyTable RamanBodies() {
    const std::array<double, BODY_COUNT> longitudes = {
        Dms(180, 53, 55), Dms(311, 17, 19), Dms(181, 31, 34), Dms(171, 9, 56), Dms(229, 30, 34),
        Dms(84, 0, 49),   Dms(124, 22, 41), Dms(234, 23, 47), Dms(54, 23, 47)};
    BodyTable table;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        table.entries[slot] = MakeBodyEntry(static_cast<BodySlot>(slot), longitudes[slot]);
    }
    return table;
}

inline ShadbalaInputs RamanInputs() {
    // 16 October 1918, 0h UT, is Julian day 2421882.5. Bangalore's mean
    // time is 5h10m20s ahead of Greenwich: the birth at 14:06:16 LMT is
    // 08:55:56 UT, the book's sunrise at 5:54 LMT is 0:43:40 UT, and its
    // day of 29 ghatis 20 vighatis (11h44m) ends at 17:38 LMT, 12:27:40 UT.
    constexpr double DAY = 2421882.5;
    const BodyTable bodies = RamanBodies();
    ShadbalaInputs inputs;
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        inputs.longitudes[planet] = bodies.entries[planet].longitude;
    }
    inputs.lagna = Dms(298, 27);
    inputs.madhyas = {Dms(298, 27), Dms(331, 10), Dms(3, 53),   Dms(36, 36),
                      Dms(63, 53),  Dms(91, 10),  Dms(118, 27), Dms(151, 10),
                      Dms(183, 53), Dms(216, 36), Dms(243, 53), Dms(271, 10)};
    inputs.ayanamsa = Dms(21, 16);
    inputs.day = {DAY + Dms(8, 55, 56) / 24, DAY + Dms(0, 43, 40) / 24, DAY + Dms(12, 27, 40) / 24,
                  DAY + 1 + Dms(0, 43, 40) / 24, Dms(77, 35)};
    inputs.benefic = BeneficPlanets(bodies);
    inputs.drik = ComputeDrikBala(ComputeClassicalSputa(bodies, inputs.lagna), bodies);
    return inputs;
}

}  // namespace sarovin::testing
