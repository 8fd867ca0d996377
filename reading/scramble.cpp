#include "reading/scramble.h"

namespace sarovin {

namespace {

constexpr int LARGEST_BYTE = 255;

}  // namespace

std::string ScrambleText(std::string_view bytes) {
    std::string result;
    result.reserve(bytes.size());
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        const int value = static_cast<unsigned char>(*it) + SCRAMBLE_OFFSET;
        if (value <= LARGEST_BYTE) {
            result.push_back(static_cast<char>(value));
        }
    }
    return result;
}

std::string UnscrambleText(std::string_view bytes) {
    std::string result;
    result.reserve(bytes.size());
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        const int value = static_cast<unsigned char>(*it) - SCRAMBLE_OFFSET;
        if (value >= 0) {
            result.push_back(static_cast<char>(value));
        }
    }
    return result;
}

}  // namespace sarovin
