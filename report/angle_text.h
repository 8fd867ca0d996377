#pragma once

#include <string>

namespace sarovin {

// At least two digits, as clocks and arc minutes are written: "07", "30".
std::string TwoDigits(int value);

// An angle as the header writes it: "77°12' E", "0°00' N".
std::string AngleText(int degrees, int minutes, char hemisphere);

}  // namespace sarovin
