#pragma once

#include <string>

namespace sarovin {

// An angle as the header writes it: "77°12' E", "0°00' N".
std::string AngleText(int degrees, int minutes, char hemisphere);

}  // namespace sarovin
