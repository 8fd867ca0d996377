#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_content.h"
#include "chart/chart_focus.h"
#include "chart/chart_layout.h"
#include "tests/chart/worked_chart.h"

namespace sarovin {
namespace {

using namespace testing;

// The side of the window's chart at its preferred size, in pixels, and the
// smallest letters a mark or caption may have there.
constexpr double WINDOW_SIDE = 320;
constexpr double READABLE_PIXELS = 11;

// Greenwich noon of 1 January 2000 by the built-in ephemeris, with an
// Aries Lagna given by hand, for a chart whose bodies are spread out.
Calculation GreenwichCalculation() {
    Calculation calculation;
    calculation.sky = *ComputeSky(GreenwichNoonBirth(), {});
    calculation.sky.lagna = 5.0;
    calculation.report = ComputeDrishtiReport(calculation.sky.bodies);
    return calculation;
}

struct ChartCase {
    const char* what;
    Calculation calculation;
    ChartStyle style;
};

// Names the case in test names, which would otherwise print its bytes.
void PrintTo(const ChartCase& chart, std::ostream* out) {
    *out << chart.what;
}

std::vector<ChartCase> Charts() {
    std::vector<ChartCase> charts;
    for (const ChartStyle style : {ChartStyle::SouthIndian, ChartStyle::NorthIndian}) {
        const bool south = style == ChartStyle::SouthIndian;
        charts.push_back({south ? "StelliumSouth" : "StelliumNorth", StelliumCalculation(), style});
        charts.push_back(
            {south ? "WorkedSouth" : "WorkedNorth", WorkedCalculation(CANCER_LAGNA), style});
        charts.push_back(
            {south ? "GreenwichSouth" : "GreenwichNorth", GreenwichCalculation(), style});
    }
    return charts;
}

class ReadableChart : public ::testing::TestWithParam<ChartCase> {
  protected:
    ChartLayout Layout(const std::optional<ChartFocus>& focus = std::nullopt) const {
        return LayOutChart(ChartContentOf(GetParam().calculation), GetParam().style, focus,
                           WINDOW_SIDE);
    }
};

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

TEST_P(ReadableChart, MarksAndCaptionsStayReadable) {
    for (const ChartText& text : Layout().texts) {
        if (text.role != TextRole::Title && text.role != TextRole::Details) {
            EXPECT_GE(text.size, READABLE_PIXELS) << text.text;
        }
    }
}

TEST_P(ReadableChart, MarksStayClearInTheirSign) {
    const ChartLayout layout = Layout();
    const std::vector<const ChartText*> marks = TextsOf(layout, TextRole::Mark);
    for (std::size_t index = 0; index < marks.size(); ++index) {
        const ChartArea* area = AreaOfSign(layout, marks[index]->sign);
        ASSERT_NE(area, nullptr);
        EXPECT_TRUE(BoxInside(marks[index]->box, area->outline)) << marks[index]->text;
        for (std::size_t other = index + 1; other < marks.size(); ++other) {
            EXPECT_FALSE(Overlap(marks[index]->box, marks[other]->box))
                << marks[index]->text << " and " << marks[other]->text;
        }
    }
}

// The head's length is the distance from its tip to the middle of its
// base. An arrow is at least two and a half heads long along its curve;
// tail to tip in a straight line, a little less on a bowed one, so at
// least two heads here.
TEST_P(ReadableChart, NoArrowIsShorterThanTwoHeads) {
    const Calculation& calculation = GetParam().calculation;
    for (const AspectKind kind : {AspectKind::Graha, AspectKind::Rashi}) {
        for (int body = 0; body < BODY_COUNT; ++body) {
            for (const ChartArrow& arrow : Layout(FocusOn(calculation.report, kind, body)).arrows) {
                const auto& [tip, barb, otherBarb] = arrow.head;
                const double head = std::hypot(tip.x - (barb.x + otherBarb.x) / 2,
                                               tip.y - (barb.y + otherBarb.y) / 2);
                EXPECT_GE(std::hypot(arrow.to.x - arrow.from.x, arrow.to.y - arrow.from.y),
                          2 * head)
                    << body << " to sign " << arrow.toSign;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SampleBirths, ReadableChart, ::testing::ValuesIn(Charts()),
                         [](const auto& info) { return std::string(info.param.what); });

std::vector<std::string> MarkTexts(const std::vector<ChartMark>& marks, ChartStyle style) {
    ChartContent content;
    content.marks = marks;
    content.lagnaSign = 0;
    const ChartLayout layout = LayOutChart(content, style, std::nullopt, WINDOW_SIDE);
    std::vector<std::string> texts;
    for (const ChartText* text : TextsOf(layout, TextRole::Mark)) {
        texts.push_back(text->text);
    }
    return texts;
}

// By hand, in letter heights at the readable size (3.5% of the side, so
// 0.14 of a South Indian cell): the marks' box of a cell, 0.93 of it wide
// and 0.76 tall, is 6.6 wide and 4.3 lines (of 1.25) tall. It holds four
// full labels (about 5.4 wide) in one column but not five, nor a madhya's
// "Md 05 Ari 28" (about 7.7 wide, in a bold sans); the widest give way
// first.
TEST(CrowdedCell, TheWidestLabelsGiveWayToTheirAbbreviations) {
    const ChartMark su{0, "Su 10\u00B000'", Sun, "Su"}, mo{0, "Mo 11\u00B000'", Moon, "Mo"},
        me{0, "Me 12\u00B000'", Mercury, "Me"}, ve{0, "Ve 13\u00B000'", Venus, "Ve"},
        ma{0, "Ma 14\u00B000'", Mars, "Ma"}, md{0, "Md 05 Ari 28", LAGNA_MARK, "Md"};
    const struct {
        const char* what;
        std::vector<ChartMark> marks;
        std::vector<std::string> shown;
    } cases[] = {
        {"four bodies", {su, mo, me, ve}, {su.label, mo.label, me.label, ve.label}},
        {"five bodies", {su, mo, me, ve, ma}, {"Su", "Mo", "Me", "Ve", "Ma"}},
        {"a body and a madhya", {su, md}, {su.label, "Md"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MarkTexts(c.marks, ChartStyle::SouthIndian), c.shown) << c.what;
    }
}

// Mercury was retrograde at the stellium (swetest's daily motion -1.1694°)
// and no other body from the Sun to Saturn; the nodes are never marked.
TEST(RetrogradeMark, FollowsTheLabelOfARetrogradeBodyOnly) {
    const ChartContent content = ChartContentOf(StelliumCalculation());
    for (const ChartMark& mark : content.marks) {
        const bool marked = mark.label.ends_with("\u211E");
        EXPECT_EQ(marked, mark.body == Mercury) << mark.label;
        EXPECT_EQ(mark.brief.ends_with("\u211E"), marked) << mark.brief;
    }
    EXPECT_EQ(content.marks[1 + Mercury].label, "Me 24\u00B012'\u211E");
}

// Without daily motions (the built-in ephemeris) no body is marked.
TEST(RetrogradeMark, NeedsTheDailyMotions) {
    for (const ChartMark& mark : ChartContentOf(GreenwichCalculation()).marks) {
        EXPECT_FALSE(mark.label.ends_with("\u211E")) << mark.label;
    }
}

}  // namespace
}  // namespace sarovin
