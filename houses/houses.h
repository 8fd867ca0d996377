#pragma once

#include <array>
#include <bitset>

#include "engine/body_table.h"
#include "houses/bhava_drishti_bala.h"
#include "houses/house_bounds.h"
#include "houses/house_system.h"

namespace sarovin {

// One house as every result shows it: its number (1 to 12), the sign of its
// madhya (0 is Mesha), its bounds, the bodies standing in it and those whose
// Graha Drishti falls on it (by body slot), and its two strengths in
// virupas; the Bhava Drishti Bala's terms hold the classical Sputa Drishti
// of the seven planets on its madhya.
struct HouseRow {
    int number = 0;
    int sign = 0;
    HouseBounds bounds;
    std::bitset<BODY_COUNT> occupants;
    std::bitset<BODY_COUNT> aspectedBy;
    BhavaDrishtiBala drishtiBala;
    double digBala = 0;

    friend bool operator==(const HouseRow&, const HouseRow&) = default;
};

struct Houses {
    HouseSystem system = HouseSystem::Sripati;
    std::array<HouseRow, HOUSES> list{};

    friend bool operator==(const Houses&, const Houses&) = default;
};

// The twelve houses of `frame` (by `system`) with the bodies of `bodies`.
Houses ComputeHouses(HouseSystem system, const HouseFrame& frame, const BodyTable& bodies);

}  // namespace sarovin
