#include <gtest/gtest.h>

#include <cmath>

#include <algorithm>
#include <set>

#include "chart/chart_content.h"
#include "chart/chart_focus.h"
#include "chart/chart_layout.h"
#include "tests/chart/worked_chart.h"

namespace sarovin {
namespace {

using namespace testing;

constexpr int ARIES = 0, TAURUS = 1, GEMINI = 2, CANCER = 3, LEO = 4, VIRGO = 5, LIBRA = 6,
              SCORPIO = 7, SAGITTARIUS = 8, CAPRICORN = 9, AQUARIUS = 10, PISCES = 11;

struct AspectCase {
    AspectKind kind;
    int body;
    int ownSign;
    std::set<int> aspected;
};

std::string NameOf(const ::testing::TestParamInfo<std::tuple<ChartStyle, AspectCase>>& info) {
    const auto& [style, aspect] = info.param;
    return std::string(style == ChartStyle::SouthIndian ? "South" : "North") +
           (aspect.kind == AspectKind::Graha ? "Graha" : "Rashi") + std::to_string(aspect.body);
}

// The worked birth, counted by hand from the bodies' signs: every body
// aspects the 7th sign from its own (its own counted as the first), Mars
// also the 4th and 8th, Jupiter the 5th and 9th, Saturn the 3rd and 10th;
// the S Node has no Graha Drishti. By Rashi Drishti the Sun to Saturn
// aspect the other signs of their own sign's modality; the nodes none.
const AspectCase WORKED_ASPECTS[] = {
    {AspectKind::Graha, Sun, GEMINI, {SAGITTARIUS}},
    {AspectKind::Graha, Moon, GEMINI, {SAGITTARIUS}},
    {AspectKind::Graha, Mercury, GEMINI, {SAGITTARIUS}},
    {AspectKind::Graha, Venus, GEMINI, {SAGITTARIUS}},
    {AspectKind::Graha, Mars, LEO, {SCORPIO, AQUARIUS, PISCES}},
    {AspectKind::Graha, Jupiter, LEO, {SAGITTARIUS, AQUARIUS, ARIES}},
    {AspectKind::Graha, Saturn, LEO, {LIBRA, AQUARIUS, TAURUS}},
    {AspectKind::Graha, NNode, CANCER, {CAPRICORN}},
    {AspectKind::Graha, SNode, CAPRICORN, {}},
    {AspectKind::Rashi, Sun, GEMINI, {VIRGO, SAGITTARIUS, PISCES}},
    {AspectKind::Rashi, Mars, LEO, {TAURUS, SCORPIO, AQUARIUS}},
    {AspectKind::Rashi, NNode, CANCER, {}},
    {AspectKind::Rashi, SNode, CAPRICORN, {}},
};

// Names the case in test names, which would otherwise print its bytes.
void PrintTo(const std::tuple<ChartStyle, AspectCase>& param, std::ostream* out) {
    *out << NameOf(::testing::TestParamInfo<std::tuple<ChartStyle, AspectCase>>(param, 0));
}

class WorkedArrows : public ::testing::TestWithParam<std::tuple<ChartStyle, AspectCase>> {
  protected:
    ChartLayout Layout() const {
        const auto& [style, aspect] = GetParam();
        const Calculation calculation = WorkedCalculation(CANCER_LAGNA);
        return LayOutChart(ChartContentOf(calculation), style,
                           FocusOn(calculation.report, aspect.kind, aspect.body), SIDE);
    }
};

TEST_P(WorkedArrows, ReachExactlyTheAspectedSigns) {
    const AspectCase& aspect = std::get<1>(GetParam());
    const ChartLayout layout = Layout();
    const ChartArea* own = AreaOfSign(layout, aspect.ownSign);
    ASSERT_NE(own, nullptr);
    std::set<int> reached;
    for (const ChartArrow& arrow : layout.arrows) {
        EXPECT_TRUE(Encloses(own->outline, arrow.from));
        EXPECT_EQ(arrow.fromSign, aspect.ownSign);
        const ChartArea* tip = AreaAt(layout, arrow.head[0]);
        ASSERT_NE(tip, nullptr);
        EXPECT_EQ(tip->sign, arrow.toSign);
        reached.insert(tip->sign);
    }
    EXPECT_EQ(reached, aspect.aspected);
    EXPECT_EQ(layout.arrows.size(), aspect.aspected.size());
}

// Arrows bow towards the middle of the chart, so that they clear the
// cells between: each curve's control point lies nearer the middle than
// the point halfway between its ends.
TEST_P(WorkedArrows, BowTowardsTheMiddleOfTheChart) {
    const ChartLayout layout = Layout();
    const auto fromMiddle = [&](Point point) {
        return std::hypot(point.x - layout.side / 2, point.y - layout.side / 2);
    };
    for (const ChartArrow& arrow : layout.arrows) {
        const Point halfway{(arrow.from.x + arrow.to.x) / 2, (arrow.from.y + arrow.to.y) / 2};
        EXPECT_LE(fromMiddle(arrow.control), fromMiddle(halfway) + 1e-9)
            << arrow.fromSign << " to " << arrow.toSign;
    }
}

TEST_P(WorkedArrows, MarkTheAspectingAndTheAspectedSigns) {
    const AspectCase& aspect = std::get<1>(GetParam());
    for (const ChartArea& area : Layout().areas) {
        if (area.sign == aspect.ownSign) {
            EXPECT_EQ(area.role, AreaRole::Aspecting);
        } else if (aspect.aspected.contains(area.sign)) {
            EXPECT_EQ(area.role, AreaRole::Aspected) << area.sign;
        } else if (area.sign >= 0) {
            EXPECT_EQ(area.role, AreaRole::Plain) << area.sign;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothStyles, WorkedArrows,
                         ::testing::Combine(::testing::Values(ChartStyle::SouthIndian,
                                                              ChartStyle::NorthIndian),
                                            ::testing::ValuesIn(WORKED_ASPECTS)),
                         NameOf);

Emphasis EmphasisOf(const ChartLayout& layout, int body) {
    for (const ChartText& text : layout.texts) {
        if (text.body == body) {
            return text.emphasis;
        }
    }
    return Emphasis::Plain;
}

struct EmphasisCase {
    const char* what;
    std::array<int, BODY_COUNT> signs;
    AspectKind kind;
    int chosen;
    std::set<int> standingOut;
};

// The bodies the result names stand out, the chosen one apart from them.
TEST(ChartMarks, TheChosenBodyAndTheBodiesItsAspectReachesStandOut) {
    const EmphasisCase cases[] = {
        {"the Sun in Mesha aspects Thula, where the Moon and Venus stand",
         {ARIES, LIBRA, TAURUS, LIBRA, TAURUS, TAURUS, TAURUS, TAURUS, TAURUS},
         AspectKind::Graha,
         Sun,
         {Moon, Venus}},
        {"Mars in Mesha reaches Kataka, Thula and Vrischika",
         {CANCER, SCORPIO, GEMINI, LIBRA, ARIES, GEMINI, GEMINI, GEMINI, GEMINI},
         AspectKind::Graha,
         Mars,
         {Sun, Moon, Venus}},
        {"the N Node's Graha Drishti never names the S Node opposite",
         {ARIES, ARIES, ARIES, ARIES, ARIES, ARIES, ARIES, CANCER, CAPRICORN},
         AspectKind::Graha,
         NNode,
         {}},
        {"the Sun in Mesha aspects Kataka, Thula and Makara by sign",
         {ARIES, CANCER, TAURUS, CAPRICORN, TAURUS, TAURUS, TAURUS, TAURUS, TAURUS},
         AspectKind::Rashi,
         Sun,
         {Moon, Venus}},
        {"by sign the nodes are never named",
         {ARIES, TAURUS, TAURUS, TAURUS, TAURUS, TAURUS, TAURUS, LIBRA, CANCER},
         AspectKind::Rashi,
         Sun,
         {}},
    };
    for (const EmphasisCase& test : cases) {
        SCOPED_TRACE(test.what);
        Calculation calculation = WorkedCalculation();
        calculation.sky.bodies = TableWithSigns(test.signs);
        calculation.report = ComputeDrishtiReport(calculation.sky.bodies);
        const ChartLayout layout =
            LayOutChart(ChartContentOf(calculation), ChartStyle::SouthIndian,
                        FocusOn(calculation.report, test.kind, test.chosen), SIDE);
        for (int body = 0; body < BODY_COUNT; ++body) {
            const Emphasis expected = body == test.chosen               ? Emphasis::Chosen
                                      : test.standingOut.contains(body) ? Emphasis::Aspected
                                                                        : Emphasis::Plain;
            EXPECT_EQ(EmphasisOf(layout, body), expected) << body;
        }
    }
}

TEST(ChartMarks, NothingStandsOutBeforeABodyIsChosen) {
    const Calculation calculation = WorkedCalculation();
    const ChartLayout layout =
        LayOutChart(ChartContentOf(calculation), ChartStyle::SouthIndian, std::nullopt, SIDE);
    EXPECT_TRUE(layout.arrows.empty());
    for (int body = 0; body < BODY_COUNT; ++body) {
        EXPECT_EQ(EmphasisOf(layout, body), Emphasis::Plain);
    }
}

}  // namespace
}  // namespace sarovin
