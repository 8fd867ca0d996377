#include "reading/windows1252.h"

#include <gtest/gtest.h>

#include "text/utf8_text.h"

namespace sarovin {
namespace {

TEST(ReadingWindows1252, EncodingMapsEachCharacterToItsByte) {
    const std::pair<const char*, std::string> cases[] = {
        {"abc", "abc"},
        {"\u00E9", "\xE9"},
        {"\u20AC", "\x80"},
        {"\u0178", "\x9F"},
        {"\u00A0\u00FF", "\xA0\xFF"},
        {"\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D"},
        {"\u0080\u009F", "??"},
        {"\u0436", "?"},
        {"a\U0001F600b", "a?b"},
        {"\xE9", "?"},
        {"\xC3", "?"},
        {"\xC0\xAF", "??"},
        {"\xED\xA0\x80", "???"},
        {"\xF4\x90\x80\x80", "????"},
    };
    for (const auto& [utf8, bytes] : cases) {
        EXPECT_EQ(EncodeWindows1252(utf8), bytes) << utf8;
    }
}

TEST(ReadingWindows1252, DecodingGivesTheCharacterOfEachByte) {
    EXPECT_EQ(DecodeWindows1252("\xE9\x80\x9F"
                                "A"),
              "\u00E9\u20AC\u0178A");
    EXPECT_EQ(DecodeWindows1252("\x8D"), "\u008D");
    EXPECT_EQ(DecodeWindows1252(std::string(1, '\0')), std::string(1, '\0'));
}

TEST(ReadingWindows1252, DecodingEveryByteRoundTrips) {
    for (int b = 0; b <= 255; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(byte)), byte) << b;
    }
}

TEST(ReadingCutToCharacters, NeverSplitsACharacter) {
    EXPECT_EQ(CutToCharacters("abcd", 3), "abc");
    EXPECT_EQ(CutToCharacters("ab", 3), "ab");
    EXPECT_EQ(CutToCharacters("", 3), "");
    EXPECT_EQ(CutToCharacters("\u00E9\u20AC\U0001F600x", 3), "\u00E9\u20AC\U0001F600");
}

}  // namespace
}  // namespace sarovin
