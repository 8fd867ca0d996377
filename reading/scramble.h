#pragma once

#include <string>
#include <string_view>

namespace sarovin {

// Each value of a saved reading is stored reversed with every byte raised by
// SCRAMBLE_OFFSET, so the file is not plain text at a glance.
inline constexpr int SCRAMBLE_OFFSET = 85;

// Reverses `bytes` and raises each byte by SCRAMBLE_OFFSET. A byte that would
// pass 255 (171 and above) has no stored form and is dropped.
std::string ScrambleText(std::string_view bytes);

// Undoes ScrambleText: reverses `bytes` and lowers each byte by
// SCRAMBLE_OFFSET. A byte below SCRAMBLE_OFFSET cannot come from scrambling
// (a stray line-end byte, say) and is dropped.
std::string UnscrambleText(std::string_view bytes);

}  // namespace sarovin
