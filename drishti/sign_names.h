#pragma once

#include <array>
#include <string_view>

namespace sarovin {

inline constexpr int SIGN_COUNT = 12;

// Sign names, Aries (Mesha) first. Results always show the Sanskrit form.
inline constexpr std::array<std::string_view, SIGN_COUNT> VedicSignNames = {
    "Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
    "Thula", "Vrischika", "Dhanus",  "Makara", "Kumbha", "Meena",
};

}  // namespace sarovin
