#include "reading/windows1252.h"

#include <array>

#include "text/utf8_text.h"

namespace sarovin {

namespace {

constexpr char REPLACEMENT = '?';
constexpr unsigned char FIRST_C1_BYTE = 0x80;
constexpr unsigned char LAST_C1_BYTE = 0x9F;
constexpr char32_t LARGEST_LATIN1 = 0xFF;

// The characters of bytes 80 to 9F, where Windows-1252 departs from Latin-1.
constexpr std::array<char32_t, 32> C1_RANGE_CHARACTERS = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

bool IsC1RangeByte(unsigned char byte) {
    return byte >= FIRST_C1_BYTE && byte <= LAST_C1_BYTE;
}

// The Windows-1252 byte of a character, or REPLACEMENT when it has none.
char EncodeCharacter(char32_t codePoint) {
    for (std::size_t i = 0; i < C1_RANGE_CHARACTERS.size(); ++i) {
        if (C1_RANGE_CHARACTERS[i] == codePoint) {
            return static_cast<char>(FIRST_C1_BYTE + i);
        }
    }
    const bool sameAsLatin1 =
        codePoint < FIRST_C1_BYTE || (codePoint > LAST_C1_BYTE && codePoint <= LARGEST_LATIN1);
    return sameAsLatin1 ? static_cast<char>(codePoint) : REPLACEMENT;
}

}  // namespace

std::string EncodeWindows1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    while (!utf8.empty()) {
        const Utf8Character character = ReadUtf8Character(utf8);
        bytes.push_back(character.valid ? EncodeCharacter(character.codePoint) : REPLACEMENT);
        utf8.remove_prefix(character.length);
    }
    return bytes;
}

std::string DecodeWindows1252(std::string_view bytes) {
    std::string utf8;
    utf8.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        AppendUtf8(utf8, IsC1RangeByte(byte) ? C1_RANGE_CHARACTERS[byte - FIRST_C1_BYTE] : byte);
    }
    return utf8;
}

}  // namespace sarovin
