#include "engine/position_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tests/support/position_text_reading.h"

namespace sarovin {
namespace {

struct PositionCase {
    double longitude;
    const char* longText;
    const char* shortText;
};

// The four worked longitudes (0, 7.125, 125.5, 200.25) and two by hand:
// 125 + 7.25 / 60 is 5° 7' 15" Leo, 359.99 is 29° 59' 24" Pis.
TEST(PositionText, MatchesTheWorkedLongitudes) {
    const PositionCase cases[] = {
        {0, "0\u00B0 0' 0\" Ari", "00 Ari 00"},
        {7.125, "7\u00B0 7' 30\" Ari", "07 Ari 07"},
        {125.5, "5\u00B0 30' 0\" Leo", "05 Leo 30"},
        {200.25, "20\u00B0 15' 0\" Lib", "20 Lib 15"},
        {125 + 7.25 / 60, "5\u00B0 7' 15\" Leo", "05 Leo 07"},
        {359.99, "29\u00B0 59' 24\" Pis", "29 Pis 59"},
    };
    for (const PositionCase& c : cases) {
        EXPECT_EQ(FormatSignDms(c.longitude), c.longText) << c.longitude;
        EXPECT_EQ(testing::ShortTextOfLongText(FormatSignDms(c.longitude)), c.shortText)
            << c.longitude;
    }
}

TEST(PositionText, EverySignHasItsAbbreviation) {
    const char* signs[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                           "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    for (int sign = 0; sign < 12; ++sign) {
        const std::string text = testing::ShortTextOfLongText(FormatSignDms(30 * sign + 15.5));
        EXPECT_EQ(text, std::string("15 ") + signs[sign] + " 30") << sign;
    }
}

// Worked edge case: a hair below a sign boundary stays in the lower sign,
// 29° 59' 59" (truncated, never rounded).
TEST(PositionText, AHairBelowEachBoundaryStaysInTheLowerSign) {
    for (int boundary = 1; boundary <= 12; ++boundary) {
        const double below = std::nextafter(30.0 * boundary, 0.0);
        const std::string text = testing::ShortTextOfLongText(FormatSignDms(below));
        EXPECT_EQ(text.substr(0, 2), "29") << boundary;
        EXPECT_EQ(text.substr(7, 2), "59") << boundary;
        EXPECT_EQ(text.substr(3, 3), testing::SIGN_ABBREVIATIONS[boundary - 1]) << boundary;
    }
    EXPECT_EQ(FormatSignDms(std::nextafter(30.0, 0.0)), "29\u00B0 59' 59\" Ari");
}

TEST(PositionText, AFullTurnReadsAsTheStartOfAries) {
    EXPECT_EQ(FormatSignDms(360), "0\u00B0 0' 0\" Ari");
}

// The short text as written, cut out of the long text (the test's own reading
// of the text layout), is the reference for the engine's numeric path.
TEST(ShortPositionOf, IsTheShortTextOfTheLongText) {
    std::mt19937_64 generator(360);
    std::uniform_real_distribution<double> longitude(0.0, 360.0);
    for (int i = 0; i < 100000; ++i) {
        const double x = longitude(generator);
        ASSERT_EQ(ShortPositionOf(SplitSignDms(x)), testing::ShortTextOfLongText(FormatSignDms(x)))
            << x;
    }
    for (int boundary = 0; boundary <= 12; ++boundary) {
        for (const double x : {30.0 * boundary, std::nextafter(30.0 * boundary, 0.0)}) {
            EXPECT_EQ(ShortPositionOf(SplitSignDms(x)),
                      testing::ShortTextOfLongText(FormatSignDms(x)))
                << x;
        }
    }
}

}  // namespace
}  // namespace sarovin
