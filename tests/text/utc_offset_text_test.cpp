#include "text/utc_offset_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace sarovin {
namespace {

// Seconds east of Greenwich worked out by hand: 5 h 45 min = 20,700 s;
// 5 h 21 min 10 s = 19,270 s (Madras time, zdump -v Asia/Kolkata gives
// gmtoff=19270); 14 h = 50,400 s.
TEST(ParseUtcOffset, TakesSignedHoursMinutesAndSecondsWithinFourteenHours) {
    struct Case {
        const char* text;
        std::optional<int> seconds;
    };
    const Case cases[] = {
        {"+05:45", 20700}, {"+5:45", 20700}, {"-03:30", -12600}, {"+05:21:10", 19270},
        {"+00:00", 0},     {"-00:00", 0},    {"+14:00", 50400},  {"-14:00", -50400},
        {"+14:00:01", {}}, {"-14:01", {}},   {"+15:00", {}},     {"05:45", {}},
        {"+05", {}},       {"+05:4", {}},    {"+05:60", {}},     {"+05:45:60", {}},
        {"+05:45:", {}},   {"+005:45", {}},  {"+05:45 ", {}},    {" +05:45", {}},
        {"+05.45", {}},    {"", {}},         {"+", {}},          {"+05:45:10:00", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseUtcOffset(c.text), c.seconds) << c.text;
    }
}

TEST(UtcOffsetText, WritesTwoDigitsAndSecondsOnlyWhenThereAreAny) {
    struct Case {
        int seconds;
        const char* text;
    };
    const Case cases[] = {
        {20700, "+05:45"},    {-12600, "-03:30"}, {0, "+00:00"},
        {19270, "+05:21:10"}, {-50400, "-14:00"}, {-1, "-00:00:01"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UtcOffsetText(c.seconds), c.text) << c.seconds;
        EXPECT_EQ(ParseUtcOffset(UtcOffsetText(c.seconds)), c.seconds) << c.text;
    }
}

}  // namespace
}  // namespace sarovin
