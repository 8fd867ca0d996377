#include "reading/reading_write.h"

#include <gtest/gtest.h>

#include "tests/reading/hex_bytes.h"
#include "tests/reading/reading_samples.h"

namespace sarovin {
namespace {

TEST(WriteReading, MatchesTheFileByteForByte) {
    const char* lines[] = {
        "C4 B6 A7 75 B6 BD C8 96",     // Asha Rao
        "8B",                          // 6
        "8A 86",                       // 15
        "85 8D 8E 86",                 // 1980
        "8D",                          // 8
        "85 88",                       // 30
        "89 88",                       // 34
        "8C 8C",                       // 77
        "87 86",                       // 12
        "8D 87",                       // 28
        "8B 88",                       // 36
        "BA CA C7 A9",                 // True
        "BA C8 C1 B6 9B",              // False
        "BA C8 C1 B6 9B",              // False
        "BE BD C1 BA 99 75 CC BA A3",  // New Delhi
        "BE BD C1 BA 99",              // Delhi
        "B6 BE B9 C3 9E",              // India
    };
    std::string expected;
    for (const char* line : lines) {
        expected += HexBytes(line) + "\r\n";
    }
    EXPECT_EQ(WriteReading(testing::AshaRaoBirth(), ASHA_RAO_ZONE), expected);
}

TEST(WriteReading, TrimsSpacesAndReplacesForeignCharacters) {
    BirthRecord record = testing::AshaRaoBirth();
    record.name = "  Asha  ";
    record.city = "\u0416\u0430";
    record.longitudeDegrees = -5;
    const std::string file = WriteReading(record, 0);
    EXPECT_EQ(file.substr(0, 6), HexBytes("B6 BD C8 96 0D 0A"));
    EXPECT_NE(file.find(HexBytes("0A 8A 82 0D 0A")), std::string::npos);
    EXPECT_NE(file.find(HexBytes("0A 94 94 0D 0A")), std::string::npos);
}

TEST(CollectReadingValues, WritesNumbersInPlainDecimal) {
    BirthRecord record = testing::AshaRaoBirth();
    record.latitudeMinutes = -32768;
    record.isSouth = true;
    const ReadingLines values = CollectReadingValues(record, 70);
    EXPECT_EQ(values[DAY_LINE], "15");
    EXPECT_EQ(values[HOUR_LINE], "8");
    EXPECT_EQ(values[ZONE_LINE], "70");
    EXPECT_EQ(values[LATITUDE_MINUTES_LINE], "-32768");
    EXPECT_EQ(values[IS_SOUTH_LINE], "True");
    EXPECT_EQ(values[DAYLIGHT_SAVING_LINE], "False");
}

}  // namespace
}  // namespace sarovin
