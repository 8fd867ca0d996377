#include "drishti/sign_names.h"

namespace sarovin {

namespace {

constexpr std::size_t SIGN_OFFSET = 3;
constexpr std::size_t SIGN_LENGTH = 3;

int DigitValue(char c) {
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

}  // namespace

int SignIndexOf(std::string_view position) {
    if (position.size() < SIGN_OFFSET + SIGN_LENGTH) {
        return 0;
    }
    const char* sign = position.data() + SIGN_OFFSET;
    for (int index = 0; index < SIGN_COUNT; ++index) {
        const std::string_view name = EnglishSignNames[index];
        if (name[0] == sign[0] && name[1] == sign[1] && name[2] == sign[2]) {
            return index;
        }
    }
    // The engine always writes one of the twelve abbreviations.
    return 0;
}

int WholeDegreeLongitude(std::string_view position) {
    const int degrees =
        position.size() >= 2 ? 10 * DigitValue(position[0]) + DigitValue(position[1]) : 0;
    return 30 * SignIndexOf(position) + degrees;
}

}  // namespace sarovin
