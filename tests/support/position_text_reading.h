#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/body_table.h"

// Reading position texts back into numbers, the way the results were once
// computed from the texts alone. Tests use it as a second path to hold the
// numeric one against.
namespace sarovin::testing {

inline constexpr std::array<std::string_view, 12> SIGN_ABBREVIATIONS = {
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

inline std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

inline std::string PaddedToTwo(std::string_view digits) {
    return digits.size() <= 1 ? "0" + std::string(digits) : std::string(digits);
}

// The short text "DD Sss MM" of a long text such as 5° 7' 15" Leo: its
// degrees and minutes padded to two digits and its last three letters.
inline std::string ShortTextOfLongText(std::string_view longText) {
    const std::string_view text = Trimmed(longText);
    const std::size_t degreeMark = text.find("\u00B0");
    const std::size_t minuteMark = text.find('\'');
    const std::string_view degrees = Trimmed(text.substr(0, degreeMark));
    const std::string_view minutes =
        Trimmed(text.substr(degreeMark + 2, minuteMark - degreeMark - 2));
    return PaddedToTwo(degrees) + " " + std::string(text.substr(text.size() - 3)) + " " +
           PaddedToTwo(minutes);
}

// Sign 0 to 11 of a short text, from its three letters.
inline int SignOfShortText(std::string_view position) {
    for (int sign = 0; sign < 12; ++sign) {
        if (position.substr(3, 3) == SIGN_ABBREVIATIONS[sign]) {
            return sign;
        }
    }
    return -1;
}

// A body entry with only its short text known: the numbers read from the text.
inline BodyEntry EntryOfShortText(const std::string& english, const std::string& vedic,
                                  const std::string& position) {
    SignDms place{};
    place.sign = SignOfShortText(position);
    place.degrees = std::stoi(position.substr(0, 2));
    place.minutes = std::stoi(position.substr(7, 2));
    const double longitude = 30.0 * place.sign + place.degrees + place.minutes / 60.0;
    return {english, vedic, longitude, place, position};
}

}  // namespace sarovin::testing
