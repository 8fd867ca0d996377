#include "text/two_digits.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

TEST(TwoDigits, PadsOnlyOneDigitNumbers) {
    const std::pair<long long, const char*> cases[] = {
        {0, "00"}, {5, "05"}, {9, "09"}, {10, "10"}, {59, "59"}, {2050, "2050"}, {-3, "-3"},
    };
    for (const auto& [number, text] : cases) {
        EXPECT_EQ(TwoDigits(number), text) << number;
    }
}

}  // namespace
}  // namespace sarovin
