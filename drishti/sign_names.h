#pragma once

#include <array>
#include <string_view>

namespace sarovin {

inline constexpr int SIGN_COUNT = 12;

// Sign names, Aries (Mesha) first. Results always show the Sanskrit form;
// the English form serves to recognise a sign in a position text.
inline constexpr std::array<std::string_view, SIGN_COUNT> VedicSignNames = {
    "Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
    "Thula", "Vrischika", "Dhanus",  "Makara", "Kumbha", "Meena",
};

inline constexpr std::array<std::string_view, SIGN_COUNT> EnglishSignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces",
};

// Sign index 0 to 11 of a short position text "DD Sss MM", from the three
// letters of its sign.
int SignIndexOf(std::string_view position);

// 30 times the sign index plus the whole degrees within the sign, 0 to 359;
// the minutes are ignored.
int WholeDegreeLongitude(std::string_view position);

}  // namespace sarovin
