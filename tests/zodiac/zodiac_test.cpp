#include "zodiac/zodiac.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

// Reduced by whole turns, by hand; a hair below 0 lifts to 360 in doubles
// and must come back to 0.
TEST(Zodiac, DegreesAreReducedIntoOneTurn) {
    struct Case {
        double degrees;
        double reduced;
        int sign;
        double inSign;
    };
    const Case cases[] = {
        {0, 0, 0, 0},   {359.5, 359.5, 11, 29.5}, {360, 0, 0, 0},          {-30, 330, 11, 0},
        {725, 5, 0, 5}, {-1e-17, 0, 0, 0},        {209.9, 209.9, 6, 29.9}, {210, 210, 7, 0},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.degrees);
        EXPECT_NEAR(ZodiacDegrees(test.degrees), test.reduced, 1e-9);
        EXPECT_EQ(SignOf(test.degrees), test.sign);
        EXPECT_NEAR(DegreesInSign(test.degrees), test.inSign, 1e-9);
    }
}

// An arc from 350° to 20° runs over 0° Mesha: 30° long, its start held,
// its end held only by Reaches.
TEST(Zodiac, AnArcOverMeshaHoldsWhatLiesBetweenItsEnds) {
    const ZodiacArc arc = ArcFromTo(350, 20);
    EXPECT_DOUBLE_EQ(arc.Length(), 30);
    EXPECT_DOUBLE_EQ(arc.End(), 20);
    struct Case {
        double longitude;
        bool contains;
        bool reaches;
    };
    const Case cases[] = {{350, true, true},     {359, true, true}, {0, true, true},
                          {19.9, true, true},    {20, false, true}, {200, false, false},
                          {349.9, false, false}, {710, true, true}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.longitude);
        EXPECT_EQ(arc.Contains(test.longitude), test.contains);
        EXPECT_EQ(arc.Reaches(test.longitude), test.reaches);
    }
}

}  // namespace
}  // namespace sarovin
