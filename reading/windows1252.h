#pragma once

#include <string>
#include <string_view>

namespace sarovin {

// Saved readings hold their texts as Windows-1252 bytes, one byte a
// character.

// Encodes a UTF-8 text as Windows-1252. A character Windows-1252 lacks, and
// each byte of a malformed UTF-8 sequence, becomes '?'.
std::string EncodeWindows1252(std::string_view utf8);

// Decodes Windows-1252 bytes to UTF-8. Every byte has a character: the five
// bytes the code page leaves unassigned (81 8D 8F 90 9D) stand for the
// control characters of the same number.
std::string DecodeWindows1252(std::string_view bytes);

}  // namespace sarovin
