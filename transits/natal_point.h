#pragma once

#include <string>

namespace sarovin {

// A point of the natal chart that transits aspect: a body, the Lagna or a
// house's madhya, with its sidereal longitude.
struct NatalPoint {
    std::string name;
    double longitude = 0;
};

}  // namespace sarovin
