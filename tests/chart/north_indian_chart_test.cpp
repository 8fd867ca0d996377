#include <gtest/gtest.h>

#include "chart/chart_content.h"
#include "chart/chart_layout.h"
#include "tests/chart/worked_chart.h"

namespace sarovin {
namespace {

using namespace testing;

// A point well inside each house of the square with both diagonals and the
// diamond joining the middles of its sides, as shares of the side: house 1
// is the top middle diamond and the houses run counter-clockwise, down the
// left, along the bottom and up the right.
constexpr Point HOUSE_POINTS[12] = {
    {0.50, 0.25}, {0.25, 0.08}, {0.08, 0.25}, {0.25, 0.50}, {0.08, 0.75}, {0.25, 0.92},
    {0.50, 0.75}, {0.75, 0.92}, {0.92, 0.75}, {0.75, 0.50}, {0.92, 0.25}, {0.75, 0.08},
};

Point InHouse(int house) {
    return Scaled(HOUSE_POINTS[house - 1], SIDE);
}

ChartLayout NorthChart(const Calculation& calculation) {
    return LayOutChart(ChartContentOf(calculation), ChartStyle::NorthIndian, std::nullopt, SIDE);
}

const ChartText* NumberIn(const ChartLayout& layout, const ChartArea& area) {
    for (const ChartText* number : TextsOf(layout, TextRole::SignNumber)) {
        if (BoxInside(number->box, area.outline)) {
            return number;
        }
    }
    return nullptr;
}

struct LagnaCase {
    const char* what;
    double lagna;
    // The sign numbers of houses 1 to 12, 1 for Aries.
    const char* numbers[12];
};

// Names the case in test names, which would otherwise print its bytes.
void PrintTo(const LagnaCase& lagna, std::ostream* out) {
    *out << lagna.what;
}

class NorthIndianHouses : public ::testing::TestWithParam<LagnaCase> {};

TEST_P(NorthIndianHouses, CountTheSignsOnFromTheLagnasAtTheTopMiddle) {
    const LagnaCase& lagna = GetParam();
    Calculation calculation = WorkedCalculation(lagna.lagna);
    const ChartLayout layout = NorthChart(calculation);
    for (int house = 1; house <= 12; ++house) {
        SCOPED_TRACE(house);
        const ChartArea* area = AreaAt(layout, InHouse(house));
        ASSERT_NE(area, nullptr);
        EXPECT_EQ(area->sign + 1, std::stoi(lagna.numbers[house - 1]));
        const ChartText* number = NumberIn(layout, *area);
        ASSERT_NE(number, nullptr);
        EXPECT_EQ(number->text, lagna.numbers[house - 1]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lagnas, NorthIndianHouses,
    ::testing::Values(
        LagnaCase{"Aries", 5.0, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}},
        LagnaCase{"Cancer",
                  CANCER_LAGNA,
                  {"4", "5", "6", "7", "8", "9", "10", "11", "12", "1", "2", "3"}},
        LagnaCase{
            "Pisces", 359.5, {"12", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}}),
    [](const auto& info) { return std::string(info.param.what); });

// With the Lagna in Kataka the N Node stands in house 1, Mars, Jupiter and
// Saturn (Simha) in house 2, the S Node (Makara) in house 7 and the four
// bodies of Mithuna in house 12.
TEST(NorthIndianChart, EachBodyStandsInItsHouse) {
    const struct {
        int body;
        int house;
    } expected[] = {{Sun, 12},    {Moon, 12},  {Mercury, 12}, {Venus, 12}, {Mars, 2},
                    {Jupiter, 2}, {Saturn, 2}, {NNode, 1},    {SNode, 7}};
    const ChartLayout layout = NorthChart(WorkedCalculation(CANCER_LAGNA));
    for (const auto& body : expected) {
        SCOPED_TRACE(body.body);
        const ChartArea* house = AreaAt(layout, InHouse(body.house));
        ASSERT_NE(house, nullptr);
        const ChartText* mark = MarkOfBody(layout, body.body);
        ASSERT_NE(mark, nullptr);
        EXPECT_TRUE(BoxInside(mark->box, house->outline));
    }
}

TEST(NorthIndianChart, TheLagnaStandsInTheFirstHouse) {
    const ChartLayout layout = NorthChart(WorkedCalculation(CANCER_LAGNA));
    const ChartArea* first = AreaAt(layout, InHouse(1));
    ASSERT_NE(first, nullptr);
    bool found = false;
    for (const ChartText* mark : TextsOf(layout, TextRole::Mark)) {
        if (!mark->body) {
            found = true;
            EXPECT_EQ(mark->text, "La 10\u00B045'");
            EXPECT_TRUE(BoxInside(mark->box, first->outline));
        }
    }
    EXPECT_TRUE(found);
}

TEST(NorthIndianChart, WithoutALagnaTheSouthIndianChartIsLaidOut) {
    const ChartLayout layout = NorthChart(WorkedCalculation());
    EXPECT_FALSE(TextsOf(layout, TextRole::SignName).empty());
    EXPECT_TRUE(TextsOf(layout, TextRole::SignNumber).empty());
}

}  // namespace
}  // namespace sarovin
