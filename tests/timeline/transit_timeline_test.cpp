#include <gtest/gtest.h>

#include "engine/body_slot.h"
#include "ephemeris/utc_time.h"
#include "timeline/strength_plot.h"
#include "timeline/transit_timeline.h"

namespace sarovin {
namespace {

constexpr double FROM = 2460000.5;  // 2023-02-25, 8456 days after 2000-01-01
constexpr double TO = 2460100.5;    // 100 days on
constexpr double WIDTH = 1130;      // 130 for the labels, 10 a day

std::vector<NatalPoint> Points() {
    std::vector<NatalPoint> points;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        points.push_back({std::string(SlotNames[slot].englishName), 0});
    }
    return points;
}

TransitEvent Sputa(int planet, int natal, double start, double end, double peak) {
    return {.kind = TransitKind::Sputa,
            .transiting = planet,
            .natal = natal,
            .start = start,
            .end = end,
            .peak = start,
            .peakVirupas = peak,
            .phase = std::nullopt};
}

TEST(TransitTimeline, BarsStandWhereTheirWindowsAreOneRowAPairSadeSatiFirst) {
    const std::vector<TransitEvent> events = {
        Sputa(Mars, Moon, FROM + 10, FROM + 20, 60),
        {.kind = TransitKind::SadeSati,
         .transiting = Saturn,
         .natal = Moon,
         .start = FROM,
         .end = TO,
         .phase = SadeSatiPhase::Peak,
         .startCut = true,
         .endCut = true},
        Sputa(Mars, Moon, FROM + 50, FROM + 55, 45),
        Sputa(Sun, Venus, FROM + 99, FROM + 100, 50),
    };
    const TimelineLayout layout =
        LayOutTimeline(events, Points(), std::nullopt, FROM, TO, FROM + 30, WIDTH);
    ASSERT_EQ(layout.rows.size(), 3u);
    EXPECT_EQ(layout.rows[0].label, "Saturn: Sade Sati");
    EXPECT_EQ(layout.rows[1].label, "Sun on Venus");
    EXPECT_EQ(layout.rows[2].label, "Mars on Moon");
    const TimelineBar& first = layout.rows[2].bars[0];
    EXPECT_DOUBLE_EQ(first.left, 130 + 100);
    EXPECT_DOUBLE_EQ(first.right, 130 + 200);
    // Shaded as the Sputa tab: the strongest darkest.
    EXPECT_EQ(first.fill, StrengthTint(60));
    EXPECT_EQ(layout.rows[2].bars[1].fill, StrengthTint(45));
    ASSERT_TRUE(layout.todayX.has_value());
    EXPECT_DOUBLE_EQ(*layout.todayX, 130 + 300);
    const double middle = layout.rows[2].top + layout.rowHeight / 2;
    EXPECT_EQ(BarAt(layout, 130 + 150, middle), &first);
    EXPECT_EQ(BarAt(layout, 130 + 400, middle), nullptr);
}

TransitEvent SadeSati(SadeSatiPhase phase, double start, double end) {
    return {.kind = TransitKind::SadeSati,
            .transiting = Saturn,
            .natal = Moon,
            .start = start,
            .end = end,
            .phase = phase};
}

int Lightness(const Rgb& colour) {
    return colour.red + colour.green + colour.blue;
}

// The Sade Sati's phases shade light, dark, light: the peak, Saturn on the
// Moon's own sign, darkest.
TEST(TransitTimeline, TheSadeSatisPeakIsShadedDarkest) {
    const std::vector<TransitEvent> events = {
        SadeSati(SadeSatiPhase::Rising, FROM, FROM + 30),
        SadeSati(SadeSatiPhase::Peak, FROM + 30, FROM + 60),
        SadeSati(SadeSatiPhase::Setting, FROM + 60, TO),
    };
    const TimelineLayout layout =
        LayOutTimeline(events, Points(), std::nullopt, FROM, TO, FROM, WIDTH);
    ASSERT_EQ(layout.rows.size(), 1u);
    const std::vector<TimelineBar>& bars = layout.rows[0].bars;
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_LT(Lightness(bars[1].fill), Lightness(bars[0].fill));
    EXPECT_LT(Lightness(bars[1].fill), Lightness(bars[2].fill));
    EXPECT_EQ(bars[0].fill, bars[2].fill);
}

// An empty timeline has no axis, so no line for today either.
TEST(TransitTimeline, AnEmptyTimelineMarksNoToday) {
    EXPECT_FALSE(
        LayOutTimeline({}, Points(), std::nullopt, FROM, TO, FROM + 1, WIDTH).todayX.has_value());
}

struct TickCase {
    const char* what;
    int fromYear;
    int toYear;
    std::vector<std::string> firstLabels;
    std::size_t count;
};

// 1000 units across: a century gives 10 a year, so a label of four
// characters (some 26 units and 12 of room) is written every 5 years; two
// years give 42 a month, too few for "2023-01" (58), so every quarter. The
// tick at the axis's very end has no room for its label.
TEST(TransitTimeline, TheGridStepsKeepTheirLabelsApartAndNoneIsCut) {
    const TickCase cases[] = {
        {"a century", 1950, 2050, {"1950", "1955", "1960"}, 21},
        {"two years", 2023, 2025, {"2023-01", "2023-04", "2023-07"}, 9},
    };
    for (const TickCase& test : cases) {
        const std::vector<TimeTick> ticks = TimeTicks(
            JulianDayOfDate(test.fromYear, 1, 1), JulianDayOfDate(test.toYear, 1, 1), 130, WIDTH);
        ASSERT_EQ(ticks.size(), test.count) << test.what;
        for (std::size_t index = 0; index < test.firstLabels.size(); ++index) {
            EXPECT_EQ(ticks[index].text, test.firstLabels[index]) << test.what;
        }
        EXPECT_DOUBLE_EQ(ticks.back().x, WIDTH) << test.what;
        EXPECT_EQ(ticks.back().text, "") << test.what;
        EXPECT_NE(ticks[ticks.size() - 2].text, "") << test.what;
    }
}

TEST(TransitTimeline, TodayOutsideTheSpanDrawsNoLine) {
    EXPECT_FALSE(
        LayOutTimeline({}, Points(), std::nullopt, FROM, TO, TO + 1, WIDTH).todayX.has_value());
}

// 2023-03-01, 04-01, 05-01 and 06-01 fall 4, 35, 65 and 96 days after the
// span's start.
TEST(TransitTimeline, AShortSpanIsMarkedMonthByMonth) {
    const std::vector<TimeTick> ticks = TimeTicks(FROM, TO, 130, WIDTH);
    ASSERT_EQ(ticks.size(), 4u);
    EXPECT_EQ(ticks[0].text, "2023-03");
    EXPECT_DOUBLE_EQ(ticks[0].x, 130 + 40);
    EXPECT_DOUBLE_EQ(ticks[3].x, 130 + 960);
}

// The Moon at 0° (Ashwini's first point, Ketu's) 100 days before the span
// leaves Ketu's whole Mahadasha to run; its first Antardasha, Ketu's own, is
// 7 × 7 / 120 sidereal years of 365.256364 days, 149.14635 days, so it ends
// 49.14635 days into the span, at x = 130 + 491.4635, and Venus's follows to
// past the span's end.
TEST(TransitTimeline, TheDashaLaneShowsThePeriodsOverTheSpanAboveTheRows) {
    const std::optional<Vimshottari> dasha = ComputeVimshottari(0, FROM - 100, DashaYear::Sidereal);
    const std::vector<TransitEvent> events = {Sputa(Mars, Moon, FROM + 10, FROM + 20, 60),
                                              Sputa(Sun, Venus, FROM + 10, FROM + 20, 50)};
    const TimelineLayout layout = LayOutTimeline(events, Points(), dasha, FROM, TO, FROM, WIDTH);
    struct Expected {
        int level;
        const char* lord;
        double left;
        double right;
        double start;
        double end;
    };
    const Expected expected[] = {
        {0, "S Node", 130, 1130, FROM - 100, FROM - 100 + 7 * 365.256364},
        {1, "S Node", 130, 130 + 491.4635, FROM - 100, FROM + 49.14635},
        {1, "Venus", 130 + 491.4635, 1130, FROM + 49.14635, FROM + 49.14635 + 426.13242},
    };
    ASSERT_EQ(layout.dashaBars.size(), std::size(expected));
    for (std::size_t index = 0; index < std::size(expected); ++index) {
        const DashaBar& bar = layout.dashaBars[index];
        EXPECT_EQ(bar.level, expected[index].level) << index;
        EXPECT_EQ(bar.label, expected[index].lord) << index;
        EXPECT_NEAR(bar.left, expected[index].left, 1e-3) << index;
        EXPECT_NEAR(bar.right, expected[index].right, 1e-3) << index;
        EXPECT_NEAR(bar.period.start, expected[index].start, 1e-4) << index;
        EXPECT_NEAR(bar.period.end, expected[index].end, 1e-4) << index;
        EXPECT_GE(bar.top, bar.level * layout.rowHeight) << index;
        EXPECT_LE(bar.bottom, (bar.level + 1) * layout.rowHeight) << index;
    }
    EXPECT_DOUBLE_EQ(layout.laneHeight, 2 * layout.rowHeight);
    EXPECT_DOUBLE_EQ(layout.rows.front().top, layout.laneHeight);
    EXPECT_EQ(DashaBarAt(layout, 700, layout.rowHeight * 1.5), &layout.dashaBars[2]);
    EXPECT_EQ(RowAt(layout, layout.rowHeight), nullptr);
    // Each printed page repeats the lane over its own rows.
    const std::vector<TimelineLayout> pages = TimelinePages(layout, 1);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].dashaBars.size(), 3u);
    EXPECT_DOUBLE_EQ(pages[1].rows.front().top, layout.laneHeight);
    EXPECT_DOUBLE_EQ(pages[1].rows.front().bars.front().bottom,
                     layout.rows[1].bars.front().bottom - layout.rowHeight);
}

TransitEvent Kakshya(int planet, double start, double end) {
    return {.kind = TransitKind::Kakshya,
            .transiting = planet,
            .natal = 0,
            .start = start,
            .end = end,
            .kakshyaLord = 0};
}

// A planet's Kakshya windows share one row of their own, a thin lane
// before the planet's natal points, whatever point index they carry.
TEST(TransitTimeline, KakshyaWindowsAreAThinLaneOnTheirPlanetsOwnRow) {
    const std::vector<TransitEvent> events = {
        Sputa(Saturn, Sun, FROM + 10, FROM + 20, 50), Kakshya(Saturn, FROM + 5, FROM + 30),
        Kakshya(Jupiter, FROM, FROM + 3), Kakshya(Saturn, FROM + 60, FROM + 70)};
    const TimelineLayout layout =
        LayOutTimeline(events, Points(), std::nullopt, FROM, TO, FROM, WIDTH);
    ASSERT_EQ(layout.rows.size(), 3u);
    EXPECT_EQ(layout.rows[0].label, "Jupiter: Kakshya");
    EXPECT_EQ(layout.rows[1].label, "Saturn: Kakshya");
    EXPECT_EQ(layout.rows[2].label, "Saturn on Sun");
    EXPECT_TRUE(layout.rows[1].kakshya);
    EXPECT_FALSE(layout.rows[2].kakshya);
    ASSERT_EQ(layout.rows[1].bars.size(), 2u);
    const TimelineBar& lane = layout.rows[1].bars[0];
    EXPECT_DOUBLE_EQ(lane.left, 130 + 50);
    EXPECT_DOUBLE_EQ(lane.right, 130 + 300);
    EXPECT_LE(lane.bottom - lane.top, layout.rowHeight / 4);
}

TEST(StrengthPlot, TheAxisReachesNinetyOnlyPastSixty) {
    const std::vector<StrengthSample> saturn = {{FROM, 0}, {TO, 75}};
    const StrengthPlot tall = LayOutStrengthPlot(saturn, FROM, TO, TO + 1, 45, 400, 200, "Saturn");
    EXPECT_EQ(tall.strengthTicks.back().text, "90");
    const StrengthPlot plain =
        LayOutStrengthPlot({{FROM, 0}, {TO, 60}}, FROM, TO, FROM + 50, 45, 400, 200, "Sun");
    EXPECT_EQ(plain.strengthTicks.back().text, "60");
    EXPECT_DOUBLE_EQ(plain.curve.back().y, plain.top);
    EXPECT_DOUBLE_EQ(plain.thresholdY, plain.bottom - (plain.bottom - plain.top) * 45 / 60);
    // Today halfway through the span is halfway across the plot.
    ASSERT_TRUE(plain.todayX.has_value());
    EXPECT_DOUBLE_EQ(*plain.todayX, (plain.left + plain.right) / 2);
    EXPECT_FALSE(tall.todayX.has_value());
}

}  // namespace
}  // namespace sarovin
