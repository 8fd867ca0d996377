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

// The second chart's marks keep their degrees wherever the first chart's
// keep theirs: a sign with room for both shows both with degrees; where
// the second chart's Lagna and three bodies crowd a cell, the first
// chart's Sun gives way with them.
TEST(DoubleChart, TheSecondChartKeepsItsDegreesWhereTheFirstKeepsTheirs) {
    const std::vector<ChartMark> second = {{0, "La 02\u00B011'", LAGNA_MARK, "La"},
                                           {0, "Mo 20\u00B000'", Moon, "Mo"},
                                           {0, "Ma 21\u00B030'", Mars, "Ma"},
                                           {0, "Ju 28\u00B059'", Jupiter, "Ju"}};
    for (const std::size_t innerMarks : {std::size_t{1}, second.size()}) {
        ChartContent content;
        content.marks = {{0, "Su 10\u00B000'", Sun, "Su"}};
        content.innerMarks.assign(second.begin(), second.begin() + static_cast<long>(innerMarks));
        const ChartLayout layout =
            LayOutChart(content, ChartStyle::SouthIndian, std::nullopt, SIDE);
        bool outerKept = false;
        bool innerAllKept = true;
        for (const ChartText& text : layout.texts) {
            const bool kept = text.text.find("\u00B0") != std::string::npos;
            outerKept = outerKept || (text.role == TextRole::Mark && kept);
            innerAllKept = innerAllKept && (text.role != TextRole::InnerMark || kept);
        }
        EXPECT_TRUE(!outerKept || innerAllKept) << innerMarks;
        if (innerMarks == 1) {
            EXPECT_TRUE(outerKept && innerAllKept);
        } else {
            EXPECT_FALSE(outerKept) << "four marks cannot keep their degrees in a quarter side";
        }
    }
}

}  // namespace
}  // namespace sarovin
