#include "text/virupas_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace sarovin {

namespace {

constexpr double HUNDREDTHS = 100;
constexpr int DECIMALS = 2;
constexpr std::size_t NUMBER_ROOM = 32;

}  // namespace

double RoundedVirupas(double virupas) {
    // Adding zero turns a negative zero positive.
    return std::round(virupas * HUNDREDTHS) / HUNDREDTHS + 0.0;
}

std::string VirupasText(double virupas) {
    std::array<char, NUMBER_ROOM> digits;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                   RoundedVirupas(virupas), std::chars_format::fixed, DECIMALS)
                         .ptr;
    return {digits.data(), end};
}

}  // namespace sarovin
