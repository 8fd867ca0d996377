#include "text/angle_text.h"

#include <string_view>

#include "text/two_digits.h"

namespace sarovin {

namespace {

constexpr std::string_view DEGREE_SIGN = "°";

}  // namespace

std::string AngleText(int degrees, int minutes, char hemisphere) {
    return std::to_string(degrees) + std::string(DEGREE_SIGN) + TwoDigits(minutes) + "' " +
           hemisphere;
}

}  // namespace sarovin
