#include "cli/option_values.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

TEST(ParseNumberInRange, TakesPlainDigitsWithinTheRange) {
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"1", 1},
        {"31", 31},
        {"05", 5},
        {"0", std::nullopt},
        {"32", std::nullopt},
        {"", std::nullopt},
        {"+1", std::nullopt},
        {"-1", std::nullopt},
        {" 1", std::nullopt},
        {"1 ", std::nullopt},
        {"1.5", std::nullopt},
        {"1.0", std::nullopt},
        {"1e1", std::nullopt},
        {"0x1", std::nullopt},
        {"٣", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseNumberInRange(c.text, 1, 31), c.value) << c.text;
    }
}

TEST(ParseDegreesMinutes, TakesTwoBoxNumbersAroundAColon) {
    struct Case {
        const char* text;
        std::optional<DegreesMinutes> value;
    };
    const Case cases[] = {
        {"77:12", DegreesMinutes{77, 12}},
        {"0:00", DegreesMinutes{0, 0}},
        {"999:999", DegreesMinutes{999, 999}},
        {"181:75", DegreesMinutes{181, 75}},
        {"1000:0", std::nullopt},
        {"0:1000", std::nullopt},
        {"77", std::nullopt},
        {"77:", std::nullopt},
        {":12", std::nullopt},
        {"77:12:00", std::nullopt},
        {"-77:12", std::nullopt},
        {"77.5:12", std::nullopt},
        {"77 :12", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseDegreesMinutes(c.text), c.value) << c.text;
    }
}

}  // namespace
}  // namespace sarovin
