#include "text/whole_number.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

struct NumberCase {
    const char* text;
    std::optional<std::int16_t> value;
};

TEST(ParseWholeNumber, AcceptsDecimalsRoundingHalvesToEven) {
    const NumberCase cases[] = {
        {"12", 12},       {"  7 ", 7},        {"-5", -5}, {"+3", 3},    {"0", 0},
        {"2.5", 2},       {"3.5", 4},         {"0.5", 0}, {"-1.5", -2}, {"59.5", 60},
        {"32767", 32767}, {"-32768", -32768}, {"007", 7}, {".5", 0},    {"4.", 4},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(ParseWholeNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ParseWholeNumber, RefusesTextsThatAreNotSixteenBitNumbers) {
    const char* texts[] = {"",    "   ", "abc",   "1a",     "1 2",
                           "--1", "1e3", "32768", "-32769", "99999999999999999999",
                           ".",   "-",   "1.2.3", "0x10",   "\xC3\xA9"};
    for (const char* text : texts) {
        EXPECT_EQ(ParseWholeNumber(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(ParseDecimal, KeepsTheFraction) {
    EXPECT_EQ(ParseDecimal(" 0.4 "), 0.4);
    EXPECT_EQ(ParseDecimal("-0.5"), -0.5);
    EXPECT_EQ(ParseDecimal("0.000"), 0.0);
    EXPECT_EQ(ParseDecimal("99999999999"), 99999999999.0);
    EXPECT_EQ(ParseDecimal("x"), std::nullopt);
}

}  // namespace
}  // namespace sarovin
