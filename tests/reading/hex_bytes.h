#pragma once

#include <sstream>
#include <string>
#include <string_view>

namespace sarovin {

// Bytes written as space-separated hex pairs ("C4 B6"), for expected values
// spelled out byte by byte.
inline std::string HexBytes(std::string_view hex) {
    std::istringstream in{std::string(hex)};
    std::string bytes;
    unsigned value = 0;
    while (in >> std::hex >> value) {
        bytes.push_back(static_cast<char>(value));
    }
    return bytes;
}

}  // namespace sarovin
