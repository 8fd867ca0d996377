#include "chart/chart_arrow.h"

#include <gtest/gtest.h>

#include <cmath>

namespace sarovin {
namespace {

constexpr double CLOSE = 1e-6;

// Anchors at (0, 0) and (10, 0), each in a square cell 4 wide, and the
// middle straight above or below the halfway point (5, 0): the curve's
// control point is (5, c) with c = bow * middle.y, so by hand
//   x(t) = 10 t,   y(t) = 2 c t (1 - t),
// and the part from t0 to t1 is the quadratic curve whose control point is
// the polar form of the two, (5 (t0 + t1), c (t0 + t1) - 2 c t0 t1). The
// curve leaves the first cell through its edge x = 2, at t0 = 0.2, and
// meets the second through its edge x = 8, at t1 = 0.8.
struct ArrowCase {
    double middleY;
    double bow;
};

Point CurveAt(double c, double t) {
    return {10 * t, 2 * c * t * (1 - t)};
}

void ExpectNear(Point actual, Point expected, const char* what) {
    EXPECT_NEAR(actual.x, expected.x, CLOSE) << what;
    EXPECT_NEAR(actual.y, expected.y, CLOSE) << what;
}

TEST(MakeArrow, DrawsThePartOfTheCurveBowedTowardsTheMiddleWithAnEvenHead) {
    const Outline fromCell = {{-2, -2}, {2, -2}, {2, 2}, {-2, 2}};
    const Outline toCell = {{8, -2}, {12, -2}, {12, 2}, {8, 2}};
    constexpr double HEAD = 1;
    const ArrowCase cases[] = {{10, 0.5}, {-8, 0.25}};
    for (const ArrowCase& c : cases) {
        SCOPED_TRACE(c.middleY);
        const double control = c.bow * c.middleY;
        const ChartArrow arrow =
            MakeArrow({fromCell, {0, 0}}, {toCell, {10, 0}}, {{5, c.middleY}, c.bow, 1, HEAD});
        const double t0 = arrow.from.x / 10;
        const double t1 = arrow.to.x / 10;
        EXPECT_NEAR(t0, 0.2, CLOSE);
        EXPECT_NEAR(t1, 0.8, CLOSE);
        ExpectNear(arrow.from, CurveAt(control, t0), "from");
        ExpectNear(arrow.to, CurveAt(control, t1), "to");
        ExpectNear(arrow.control, {5 * (t0 + t1), control * (t0 + t1) - 2 * control * t0 * t1},
                   "control");
        // The head: its tip at the end, its barbs either side of a point one
        // head length back along the tangent (10, 2 c (1 - 2 t1)), as far
        // apart as 0.8 of the head's length.
        const double tangentX = 10;
        const double tangentY = 2 * control * (1 - 2 * t1);
        const double length = std::hypot(tangentX, tangentY);
        const Point base{arrow.to.x - HEAD * tangentX / length,
                         arrow.to.y - HEAD * tangentY / length};
        const auto& [tip, barb, otherBarb] = arrow.head;
        ExpectNear(tip, arrow.to, "tip");
        ExpectNear({(barb.x + otherBarb.x) / 2, (barb.y + otherBarb.y) / 2}, base, "base");
        EXPECT_NEAR(std::hypot(barb.x - otherBarb.x, barb.y - otherBarb.y), 0.8 * HEAD, CLOSE);
        EXPECT_NEAR((barb.x - otherBarb.x) * tangentX + (barb.y - otherBarb.y) * tangentY, 0,
                    CLOSE);
    }
}

}  // namespace
}  // namespace sarovin
