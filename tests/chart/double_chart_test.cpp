#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_content.h"
#include "chart/chart_layout.h"
#include "tests/chart/worked_chart.h"

namespace sarovin {
namespace {

using namespace testing;

bool Inside(const Box& inner, const Box& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.Right() <= outer.Right() &&
           inner.top + inner.height <= outer.top + outer.height;
}

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

double DistanceToMiddle(const Box& box) {
    return std::hypot(box.left + box.width / 2 - SIDE / 2, box.top + box.height / 2 - SIDE / 2);
}

// Mesha's cell is the second of the top row of the South Indian chart; a
// second chart's Moon there stands nearer the middle than the first
// chart's Sun, within the cell and clear of it, and stands out when the
// chosen body aspects Mesha.
TEST(DoubleChart, TheSecondChartsBodiesStandOnTheInnerSideOfTheirSign) {
    ChartContent content;
    content.marks = {{0, "Su 10\u00B000'", Sun, "Su"}};
    content.innerMarks = {{0, "Mo 20\u00B000'", Moon, "Mo"}};
    ChartFocus focus;
    focus.body = Sun;
    focus.aspected.signs.set(0);
    const ChartLayout layout = LayOutChart(content, ChartStyle::SouthIndian, focus, SIDE);
    const Box cell{SIDE / 4, 0, SIDE / 4, SIDE / 4};
    const ChartText* outer = nullptr;
    const ChartText* inner = nullptr;
    for (const ChartText& text : layout.texts) {
        if (text.role == TextRole::Mark) {
            outer = &text;
        } else if (text.role == TextRole::InnerMark) {
            inner = &text;
        }
    }
    ASSERT_TRUE(outer && inner);
    EXPECT_TRUE(Inside(outer->box, cell));
    EXPECT_TRUE(Inside(inner->box, cell));
    EXPECT_FALSE(Overlap(outer->box, inner->box));
    EXPECT_LT(DistanceToMiddle(inner->box), DistanceToMiddle(outer->box));
    EXPECT_EQ(inner->emphasis, Emphasis::Aspected);
    // Only the first chart's bodies can be chosen by pointing.
    EXPECT_FALSE(inner->body.has_value());
}

}  // namespace
}  // namespace sarovin
