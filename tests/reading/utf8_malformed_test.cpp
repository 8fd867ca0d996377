#include "text/utf8_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "reading/windows1252.h"

namespace sarovin {
namespace {

// Sequences RFC 3629 forbids: overlong forms (a character written with more
// bytes than it needs), the UTF-16 surrogates U+D800 to U+DFFF, values past
// U+10FFFF and lead bytes that no longer exist.
struct MalformedCase {
    const char* bytes;
    const char* what;
};

const MalformedCase MALFORMED[] = {
    {"\xC0\x80", "U+0000 in two bytes"},
    {"\xC1\xBF", "U+007F in two bytes"},
    {"\xE0\x80\xAF", "'/' in three bytes"},
    {"\xE0\x80\x80", "U+0000 in three bytes"},
    {"\xE0\x9F\xBF", "U+07FF in three bytes"},
    {"\xF0\x80\x80\xAF", "'/' in four bytes"},
    {"\xF0\x80\x80\x80", "U+0000 in four bytes"},
    {"\xF0\x8F\xBF\xBF", "U+FFFF in four bytes"},
    {"\xED\xA0\x80", "U+D800, the first surrogate"},
    {"\xED\xAD\xBF", "U+DB7F, a high surrogate"},
    {"\xED\xB0\x80", "U+DC00, the first low surrogate"},
    {"\xED\xBF\xBF", "U+DFFF, the last surrogate"},
    {"\xF4\x90\x80\x80", "U+110000, one past the last code point"},
    {"\xF5\x80\x80\x80", "U+140000, lead byte F5"},
    {"\xF7\xBF\xBF\xBF", "U+1FFFFF, lead byte F7"},
    {"\xF8\x88\x80\x80\x80", "a five-byte form"},
    {"\xFC\x84\x80\x80\x80\x80", "a six-byte form"},
    {"\xFE", "byte FE"},
    {"\xFF", "byte FF"},
};

TEST(Utf8Malformed, EachFormIsRefusedOneByteAtATime) {
    for (const MalformedCase& c : MALFORMED) {
        const Utf8Character character = ReadUtf8Character(c.bytes);
        EXPECT_FALSE(character.valid) << c.what;
        EXPECT_EQ(character.length, 1u) << c.what;
    }
}

// The encoder documents that each byte of a malformed sequence becomes '?',
// and the text after it is read as before.
TEST(Utf8Malformed, EveryByteOfTheFormBecomesAQuestionMark) {
    for (const MalformedCase& c : MALFORMED) {
        const std::string bytes = c.bytes;
        const std::string expected = "a" + std::string(bytes.size(), '?') + "b\xE9";
        EXPECT_EQ(EncodeWindows1252("a" + bytes + "b\u00E9"), expected) << c.what;
    }
}

// The characters just inside each limit are read, with their own length.
struct WellFormedCase {
    const char* bytes;
    char32_t codePoint;
    std::size_t length;
};

const WellFormedCase WELL_FORMED[] = {
    {"\x7F", 0x7F, 1},
    {"\xC2\x80", 0x80, 2},
    {"\xDF\xBF", 0x7FF, 2},
    {"\xE0\xA0\x80", 0x800, 3},
    {"\xED\x9F\xBF", 0xD7FF, 3},
    {"\xEE\x80\x80", 0xE000, 3},
    {"\xEF\xBF\xBF", 0xFFFF, 3},
    {"\xF0\x90\x80\x80", 0x10000, 4},
    {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
};

TEST(Utf8Malformed, TheNeighboursInsideEachLimitAreRead) {
    for (const WellFormedCase& c : WELL_FORMED) {
        const Utf8Character character = ReadUtf8Character(c.bytes);
        const auto number = static_cast<std::uint32_t>(c.codePoint);
        EXPECT_TRUE(character.valid) << std::hex << number;
        EXPECT_EQ(character.codePoint, c.codePoint) << std::hex << number;
        EXPECT_EQ(character.length, c.length) << std::hex << number;
    }
}

TEST(Utf8Malformed, ACutOffSequenceLeavesTheNextCharacterWhole) {
    // A three-byte lead followed by one continuation byte and then 'A'.
    EXPECT_EQ(EncodeWindows1252("\xE0\xA0"
                                "A"),
              "??A");
    // A four-byte lead at the very end of the text.
    EXPECT_EQ(EncodeWindows1252("A\xF0\x90\x80"), "A???");
    EXPECT_EQ(EncodeWindows1252("\xED\xA0\x80\u00E9"), "???\xE9");
}

}  // namespace
}  // namespace sarovin
