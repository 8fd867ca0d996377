#pragma once

#include <array>
#include <string>

#include "engine/ayanamsa.h"
#include "engine/birth_record.h"
#include "engine/body_slot.h"
#include "engine/moon_position.h"
#include "engine/position_text.h"

namespace sarovin {

// One body: its names, its sidereal longitude in degrees, that longitude
// cut into sign, degrees, minutes and seconds, and the short position text
// "DD Sss MM" shown for it.
struct BodyEntry {
    std::string englishName;
    std::string vedicName;
    double longitude = 0;
    SignDms place{};
    std::string position;

    friend bool operator==(const BodyEntry&, const BodyEntry&) = default;
};

struct BodyTable {
    std::array<BodyEntry, BODY_COUNT> entries;

    friend bool operator==(const BodyTable&, const BodyTable&) = default;
};

// The entry of a body slot at a sidereal longitude in [0, 360]; whichever
// ephemeris gave the longitude, the numbers and the text are made here.
BodyEntry MakeBodyEntry(BodySlot slot, double longitude);

// The nine bodies' names and sidereal positions. `ayanamsa` is the planets'
// (negative) ayanamsa from ComputeBirthAyanamsa and `moonLongitude` the
// Moon's sidereal longitude from ComputeMoonLongitude.
BodyTable ComputeBodyTable(const BirthRecord& record, double ayanamsa, double moonLongitude);

// The three engine steps in their order, for one birth record.
BodyTable ComputeBodyTable(const BirthRecord& record);

}  // namespace sarovin
