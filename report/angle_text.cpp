#include "report/angle_text.h"

#include <string_view>

namespace sarovin {

namespace {

constexpr std::string_view DEGREE_SIGN = "°";

}  // namespace

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    return value >= 0 && value < 10 ? "0" + text : text;
}

std::string AngleText(int degrees, int minutes, char hemisphere) {
    return std::to_string(degrees) + std::string(DEGREE_SIGN) + TwoDigits(minutes) + "' " +
           hemisphere;
}

}  // namespace sarovin
