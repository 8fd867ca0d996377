#include "reading/scramble.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/reading/hex_bytes.h"

namespace sarovin {
namespace {

TEST(ReadingScramble, MatchesTheStoredBytes) {
    const std::pair<std::string, const char*> cases[] = {
        {"abc", "B8 B7 B6"},
        {"True", "BA CA C7 A9"},
        {"False", "BA C8 C1 B6 9B"},
        {"12", "87 86"},
        {"-5", "8A 82"},
        {"", ""},
        {std::string("\xAA\0", 2), "55 FF"},
    };
    for (const auto& [plain, stored] : cases) {
        EXPECT_EQ(ScrambleText(plain), HexBytes(stored)) << stored;
        EXPECT_EQ(UnscrambleText(HexBytes(stored)), plain) << stored;
    }
}

TEST(ReadingScramble, BytesFrom171UpVanish) {
    EXPECT_EQ(ScrambleText("a\xAB"
                           "b\xE9\xFF"),
              HexBytes("B7 B6"));
    EXPECT_EQ(UnscrambleText(ScrambleText("Orl\xE9"
                                          "ans")),
              "Orlans");
}

TEST(ReadingScramble, UnscramblingDropsBytesBelow85) {
    EXPECT_EQ(UnscrambleText(HexBytes("B7 0D 54 0A B6")), "ab");
}

TEST(ReadingScramble, EveryTextOfBytesUpTo170RoundTrips) {
    std::string allBytes;
    for (int b = 0; b <= 170; ++b) {
        allBytes.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(UnscrambleText(ScrambleText(allBytes)), allBytes);
    std::mt19937 generator(20240611);
    std::uniform_int_distribution<int> length(0, 64);
    std::uniform_int_distribution<int> byte(0, 170);
    for (int i = 0; i < 2000; ++i) {
        std::string text(static_cast<std::size_t>(length(generator)), '\0');
        for (char& c : text) {
            c = static_cast<char>(byte(generator));
        }
        ASSERT_EQ(UnscrambleText(ScrambleText(text)), text);
        ASSERT_EQ(ScrambleText(text).size(), text.size());
    }
}

}  // namespace
}  // namespace sarovin
