#pragma once

#include <array>

#include "calculation/ephemeris_names.h"
#include "calculation/sky.h"

namespace sarovin {

// The ayanamsa, the rules and the house systems as named on the command line
// and in the JSON output.
inline constexpr std::array<NamedValue<AyanamsaSystem>, 6> AYANAMSA_NAMES = {{
    {"lahiri", AyanamsaSystem::Lahiri},
    {"raman", AyanamsaSystem::Raman},
    {"krishnamurti", AyanamsaSystem::Krishnamurti},
    {"true-chitra", AyanamsaSystem::TrueChitra},
    {"yukteshwar", AyanamsaSystem::Yukteshwar},
    {"fagan-bradley", AyanamsaSystem::FaganBradley},
}};

inline constexpr std::array<NamedValue<Rules>, 2> RULES_NAMES = {{
    {"1.15", Rules::Sarovin115},
    {"classical", Rules::Classical},
}};

inline constexpr std::array<NamedValue<HouseSystem>, 4> HOUSE_SYSTEM_NAMES = {{
    {"sripati", HouseSystem::Sripati},
    {"equal", HouseSystem::Equal},
    {"whole-sign", HouseSystem::WholeSign},
    {"placidus", HouseSystem::Placidus},
}};

}  // namespace sarovin
