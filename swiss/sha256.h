#pragma once

#include <string>
#include <string_view>

namespace sarovin {

// The SHA-256 digest (FIPS 180-4) of `bytes`, as 64 lower-case hex digits.
std::string Sha256Hex(std::string_view bytes);

}  // namespace sarovin
