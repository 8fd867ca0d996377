#pragma once

#include <array>
#include <bitset>
#include <vector>

#include "engine/body_table.h"
#include "houses/bhava_dig_bala.h"
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
    BhavaDigBala digBala;

    friend bool operator==(const HouseRow&, const HouseRow&) = default;
};

// Where one body stands among the houses: its house (1 to 12) and the
// houses its Graha Drishti falls on, in the order of its counts; none for
// the S Node.
struct BodyHouses {
    int house = 1;
    std::vector<int> aspected;

    friend bool operator==(const BodyHouses&, const BodyHouses&) = default;
};

struct Houses {
    HouseSystem system = HouseSystem::Sripati;
    std::array<HouseRow, HOUSES> list{};
    std::array<BodyHouses, BODY_COUNT> bodies{};

    friend bool operator==(const Houses&, const Houses&) = default;
};

// The twelve houses of `frame` (by `system`) with the bodies of `bodies`.
Houses ComputeHouses(HouseSystem system, const HouseFrame& frame, const BodyTable& bodies);

}  // namespace sarovin
