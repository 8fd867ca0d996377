#pragma once

#include <array>
#include <string_view>

namespace sarovin {

// Slots of the body table, in the order every result lists them.
enum BodySlot : int { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, NNode, SNode };

inline constexpr int BODY_COUNT = 9;

// The English and Sanskrit names every body table gives each slot.
struct BodyNames {
    std::string_view englishName;
    std::string_view vedicName;
};

inline constexpr std::array<BodyNames, BODY_COUNT> SlotNames = {{
    {"Sun", "Surya"},
    {"Moon", "Chandra"},
    {"Mercury", "Budha"},
    {"Venus", "Shukra"},
    {"Mars", "Mangala"},
    {"Jupiter", "Guru"},
    {"Saturn", "Shani"},
    {"N Node", "Rahu"},
    {"S Node", "Ketu"},
}};

}  // namespace sarovin
