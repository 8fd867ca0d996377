#pragma once

#include <string_view>

namespace sarovin {

// What a text box of the input panel lets a person type.
enum class BoxKind { Letters, Digits };

inline constexpr char32_t BACKSPACE = 8;
inline constexpr char32_t DELETE_CHARACTER = 127;

// Letters boxes take A-Z, a-z and the space; degree boxes the digits. Both
// take Backspace and Delete. Everything else is refused: accented and
// non-Latin letters, punctuation and control characters alike.
bool AcceptsCharacter(BoxKind kind, char32_t character);

// The message shown when a box refuses a character.
std::string_view RefusalMessage(BoxKind kind);

}  // namespace sarovin
