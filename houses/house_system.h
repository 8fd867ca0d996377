#pragma once

#include <array>
#include <string_view>

namespace sarovin {

// The ways of dividing the zodiac into houses Sarovin offers; Sripati is
// the default.
enum class HouseSystem { Sripati, Equal, WholeSign, Placidus };

inline constexpr std::array<HouseSystem, 4> HOUSE_SYSTEMS = {
    HouseSystem::Sripati, HouseSystem::Equal, HouseSystem::WholeSign, HouseSystem::Placidus};

// The name the window and the text show, in the order of HouseSystem.
inline constexpr std::array<std::string_view, HOUSE_SYSTEMS.size()> HOUSE_SYSTEM_TITLES = {
    "Sripati", "Equal", "Whole-sign", "Placidus"};

constexpr std::string_view HouseSystemTitle(HouseSystem system) {
    return HOUSE_SYSTEM_TITLES[static_cast<std::size_t>(system)];
}

}  // namespace sarovin
