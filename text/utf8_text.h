#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sarovin {

// One character read from the front of a UTF-8 text.
struct Utf8Character {
    char32_t codePoint;
    // Bytes taken from the text; at least one, so a caller always advances.
    std::size_t length;
    // False for a malformed sequence (stray continuation byte, cut-off
    // sequence, overlong form, surrogate or a value past U+10FFFF); then
    // `length` is 1 and `codePoint` is meaningless.
    bool valid;
};

// Reads the character at the front of `text`, which must not be empty.
Utf8Character ReadUtf8Character(std::string_view text);

// Appends the UTF-8 form of `codePoint`.
void AppendUtf8(std::string& text, char32_t codePoint);

// The first `count` characters of a UTF-8 text, never splitting a character.
std::string_view CutToCharacters(std::string_view text, std::size_t count);

}  // namespace sarovin
