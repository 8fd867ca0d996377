#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart/chart_content.h"
#include "chart/chart_layout.h"
#include "tests/chart/worked_chart.h"

namespace sarovin {
namespace {

using namespace testing;

constexpr double CELL = SIDE / 4;

ChartLayout SouthChart(const Calculation& calculation) {
    return LayOutChart(ChartContentOf(calculation), ChartStyle::SouthIndian, std::nullopt, SIDE);
}

Box Cell(int column, int row) {
    return {column * CELL, row * CELL, CELL, CELL};
}

// Walking the border clockwise from the top left corner meets the signs in
// order from Meena (Pisces): across the top to Mithuna, down the right to
// Kanya, back along the bottom to Dhanus and up the left to Kumbha.
TEST(SouthIndianChart, EachSignHasItsFixedCell) {
    const struct {
        int column;
        int row;
        const char* name;
    } border[] = {
        {0, 0, "Meena"},     {1, 0, "Mesha"},  {2, 0, "Vrishabha"}, {3, 0, "Mithuna"},
        {3, 1, "Kataka"},    {3, 2, "Simha"},  {3, 3, "Kanya"},     {2, 3, "Thula"},
        {1, 3, "Vrischika"}, {0, 3, "Dhanus"}, {0, 2, "Makara"},    {0, 1, "Kumbha"},
    };
    const ChartLayout layout = SouthChart(WorkedCalculation());
    for (int step = 0; step < 12; ++step) {
        const Box cell = Cell(border[step].column, border[step].row);
        SCOPED_TRACE(border[step].name);
        const ChartArea* area = AreaAt(layout, cell.Centre());
        ASSERT_NE(area, nullptr);
        EXPECT_EQ(area->sign, (11 + step) % 12);
        EXPECT_EQ(area->outline, OutlineOf(cell));
        bool named = false;
        for (const ChartText* name : TextsOf(layout, TextRole::SignName)) {
            named = named || (name->text == border[step].name && cell.Contains(name->box));
        }
        EXPECT_TRUE(named);
    }
}

TEST(SouthIndianChart, TheMiddleHoldsTheBirthAndTheEphemeris) {
    const ChartLayout layout = SouthChart(WorkedCalculation());
    const Box middle{CELL, CELL, 2 * CELL, 2 * CELL};
    const ChartArea* area = AreaAt(layout, middle.Centre());
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->role, AreaRole::Centre);
    const auto titles = TextsOf(layout, TextRole::Title);
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0]->text, "Asha Rao");
    EXPECT_TRUE(middle.Contains(titles[0]->box));
    const auto details = TextsOf(layout, TextRole::Details);
    ASSERT_EQ(details.size(), 1u);
    EXPECT_TRUE(middle.Contains(details[0]->box));
    // One detail to a line: the moment, the place, the ephemeris.
    const std::string& text = details[0]->text;
    EXPECT_TRUE(
        text.starts_with("15 June 1980 08:30\nNew Delhi, Delhi, India\n"
                         "Built-in (v1.15) ephemeris, ayanamsa "))
        << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2) << text;
}

// The worked birth: four bodies in Mithuna, three in Simha, the N Node in
// Kataka and the S Node in Makara, each written with its degree and minute.
TEST(SouthIndianChart, EachBodyStandsInItsSignsCell) {
    const struct {
        int body;
        const char* mark;
        int column;
        int row;
    } expected[] = {
        {Sun, "Su 00\u00B051'", 3, 0},     {Moon, "Mo 29\u00B007'", 3, 0},
        {Mercury, "Me 25\u00B019'", 3, 0}, {Venus, "Ve 01\u00B009'", 3, 0},
        {Mars, "Ma 23\u00B017'", 3, 2},    {Jupiter, "Ju 10\u00B025'", 3, 2},
        {Saturn, "Sa 27\u00B023'", 3, 2},  {NNode, "Ra 28\u00B035'", 3, 1},
        {SNode, "Ke 28\u00B035'", 0, 2},
    };
    const ChartLayout layout = SouthChart(WorkedCalculation());
    for (const auto& body : expected) {
        SCOPED_TRACE(body.mark);
        const ChartText* mark = MarkOfBody(layout, body.body);
        ASSERT_NE(mark, nullptr);
        EXPECT_EQ(mark->text, body.mark);
        EXPECT_TRUE(Cell(body.column, body.row).Contains(mark->box));
    }
}

// Boxes that only touch along an edge do not overlap.
bool Overlap(const Box& a, const Box& b) {
    constexpr double TOUCH = 1e-9;
    return a.left + TOUCH < b.Right() && b.left + TOUCH < a.Right() && a.top + TOUCH < b.Bottom() &&
           b.top + TOUCH < a.Bottom();
}

TEST(SouthIndianChart, NineBodiesInOneSignShareItsCellWithoutOverlapping) {
    Calculation calculation = WorkedCalculation();
    calculation.sky.bodies = TableWithSigns({7, 7, 7, 7, 7, 7, 7, 7, 7});
    const ChartLayout layout = SouthChart(calculation);
    const Box scorpio = Cell(1, 3);
    for (int body = 0; body < BODY_COUNT; ++body) {
        const ChartText* mark = MarkOfBody(layout, body);
        ASSERT_NE(mark, nullptr);
        EXPECT_TRUE(scorpio.Contains(mark->box)) << body;
        EXPECT_GT(mark->size, 0);
        for (int other = 0; other < body; ++other) {
            EXPECT_FALSE(Overlap(mark->box, MarkOfBody(layout, other)->box)) << body << other;
        }
    }
}

// The Lagna at 10°45' Kataka: a stroke cuts off a corner of the Kataka
// cell, and "La" stands there with its degree and minute.
TEST(SouthIndianChart, TheLagnasCellIsMarked) {
    const ChartLayout layout = SouthChart(WorkedCalculation(CANCER_LAGNA));
    const Box cancer = Cell(3, 1);
    ASSERT_EQ(layout.strokes.size(), 1u);
    const ChartStroke stroke = layout.strokes[0];
    EXPECT_TRUE(cancer.Contains(stroke.from));
    EXPECT_TRUE(cancer.Contains(stroke.to));
    // Each end on a different side of the cell, so the stroke runs across a corner.
    EXPECT_TRUE(stroke.from.x == cancer.left || stroke.to.x == cancer.left);
    EXPECT_TRUE(stroke.from.y == cancer.top || stroke.to.y == cancer.top);
    bool marked = false;
    for (const ChartText& text : layout.texts) {
        marked = marked || (text.role == TextRole::Mark && !text.body &&
                            text.text == "La 10\u00B045'" && cancer.Contains(text.box));
    }
    EXPECT_TRUE(marked);
}

TEST(SouthIndianChart, WithoutALagnaNothingMarksOne) {
    const ChartLayout layout = SouthChart(WorkedCalculation());
    EXPECT_TRUE(layout.strokes.empty());
    for (const ChartText* mark : TextsOf(layout, TextRole::Mark)) {
        EXPECT_TRUE(mark->body.has_value()) << mark->text;
    }
}

TEST(SouthIndianChart, APointOnAMarkFindsItsBody) {
    const ChartLayout layout = SouthChart(WorkedCalculation());
    EXPECT_EQ(BodyAt(layout, MarkOfBody(layout, Jupiter)->box.Centre()), Jupiter);
    EXPECT_EQ(BodyAt(layout, MarkOfBody(layout, SNode)->box.Centre()), SNode);
    EXPECT_EQ(BodyAt(layout, Cell(1, 0).Centre()), std::nullopt);
}

}  // namespace
}  // namespace sarovin
