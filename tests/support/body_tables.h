#pragma once

#include <array>
#include <string>

#include "engine/body_table.h"
#include "tests/support/position_text_reading.h"

namespace sarovin::testing {

// A body table with the fixed names and the given short positions.
inline BodyTable TableWithPositions(const std::array<std::string, BODY_COUNT>& positions) {
    static const char* english[] = {"Sun",     "Moon",   "Mercury", "Venus", "Mars",
                                    "Jupiter", "Saturn", "N Node",  "S Node"};
    static const char* vedic[] = {"Surya", "Chandra", "Budha", "Shukra", "Mangala",
                                  "Guru",  "Shani",   "Rahu",  "Ketu"};
    BodyTable table;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        table.entries[slot] = EntryOfShortText(english[slot], vedic[slot], positions[slot]);
    }
    return table;
}

// Positions "15 Sss 00" for the given sign of each body (0 = Aries).
inline BodyTable TableWithSigns(const std::array<int, BODY_COUNT>& signs) {
    static const char* abbreviations[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                          "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    std::array<std::string, BODY_COUNT> positions;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        positions[slot] = std::string("15 ") + abbreviations[signs[slot]] + " 00";
    }
    return TableWithPositions(positions);
}

// Positions for whole-degree longitudes 0 to 359.
inline BodyTable TableWithLongitudes(const std::array<int, BODY_COUNT>& longitudes) {
    static const char* abbreviations[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                          "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    std::array<std::string, BODY_COUNT> positions;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        const int degrees = longitudes[slot] % 30;
        positions[slot] = (degrees < 10 ? "0" : "") + std::to_string(degrees) + " " +
                          abbreviations[longitudes[slot] / 30] + " 30";
    }
    return TableWithPositions(positions);
}

}  // namespace sarovin::testing
