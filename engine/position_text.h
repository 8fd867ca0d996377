#pragma once

#include <string>
#include <string_view>

namespace sarovin {

// Three letters per sign, Aries first: sign k at characters 3k to 3k + 2.
inline constexpr std::string_view SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// A sidereal longitude cut into whole degrees within its sign, whole
// minutes and whole seconds, all truncated, and the sign index 0 to 11.
struct SignDms {
    int degrees;
    int minutes;
    int seconds;
    int sign;

    friend bool operator==(const SignDms&, const SignDms&) = default;
};

SignDms SplitSignDms(double longitude);

// Long position text of a sidereal longitude, for example 19° 27' 44" Lib:
// degrees within the sign, minutes and seconds, all truncated.
std::string FormatSignDms(double longitude);

// Nine-character short position text "DD Sss MM" of a longitude: the
// whole degrees, sign and whole minutes its long text shows.
std::string ShortPositionOf(const SignDms& parts);

}  // namespace sarovin
