#pragma once

#include <array>
#include <string>

#include "engine/ayanamsa.h"
#include "engine/birth_record.h"
#include "engine/moon_position.h"

namespace sarovin {

// Slots of the body table, in the order every result lists them.
enum BodySlot : int { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, NNode, SNode };

inline constexpr int BODY_COUNT = 9;
// The table keeps a tenth slot that is never filled.
inline constexpr int BODY_TABLE_SLOTS = 10;

struct BodyEntry {
    std::string englishName;
    std::string vedicName;
    // Short position text "DD Sss MM" of the sidereal longitude.
    std::string position;

    friend bool operator==(const BodyEntry&, const BodyEntry&) = default;
};

struct BodyTable {
    std::array<BodyEntry, BODY_TABLE_SLOTS> entries;

    friend bool operator==(const BodyTable&, const BodyTable&) = default;
};

// The nine bodies' names and sidereal short positions. `ayanamsa` is the
// planets' (negative) ayanamsa from ComputeBirthAyanamsa and
// `moonPositionText` the long text from ComputeMoonPosition.
BodyTable ComputeBodyTable(const BirthRecord& record, double ayanamsa,
                           const std::string& moonPositionText);

// The three engine steps in their order, for one birth record.
BodyTable ComputeBodyTable(const BirthRecord& record);

}  // namespace sarovin
