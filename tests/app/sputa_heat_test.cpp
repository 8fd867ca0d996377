#include <QColor>
#include <set>

#include "chart/strength_tint.h"
#include "tests/app/window_fixture.h"

namespace sarovin {
namespace {

// The worked birth's strengths, row body aspecting column body.
constexpr int WORKED_GRID[9][9] = {
    {0, 0, 0, 0, 38, 25, 46, 14, 31},   {0, 0, 0, 0, 12, 6, 56, 0, 46},
    {0, 0, 0, 0, 14, 8, 59, 2, 44},     {0, 0, 0, 0, 37, 24, 47, 14, 32},
    {38, 12, 14, 37, 0, 0, 0, 0, 10},   {25, 6, 8, 24, 0, 0, 0, 0, 36},
    {46, 56, 59, 47, 0, 0, 0, 0, 2},    {14, 0, 2, 14, 0, 0, 0, 0, 60},
    {31, 46, 44, 32, 10, 36, 2, 60, 0},
};

class SputaHeatTest : public testing::WindowTest {
  protected:
    void SetUp() override {
        EnterDelhiBirth();
        Click("cmdCalculate");
    }
    QLabel* Cell(int row, int column) {
        return Find<QLabel>(QStringLiteral("lblSputa_Angle_Sputa_%1").arg(9 * row + column));
    }
    static Rgb RgbOf(const QColor& colour) { return {colour.red(), colour.green(), colour.blue()}; }
};

TEST_F(SputaHeatTest, EveryStrengthKeepsItsNumberInBoldFrom45) {
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            SCOPED_TRACE(9 * row + column);
            const int strength = WORKED_GRID[row][column];
            EXPECT_EQ(Cell(row, column)->text(), QString::number(strength));
            EXPECT_EQ(Cell(row, column)->font().bold(), strength >= 45);
        }
    }
}

// On 1 January 1980 at 12:00 in New Delhi the grid holds 44 and 45, either
// side of the boundary: 45 is bold, 44 is not.
TEST_F(SputaHeatTest, BoldStartsAtExactly45) {
    Click("cmdBack");
    ChooseItem("cboDate", QStringLiteral("1"));
    ChooseItem("cboMonth", QStringLiteral("January"));
    ChooseItem("cboHour", QStringLiteral("12"));
    ChooseItem("cboMinute", QStringLiteral("0"));
    Click("cmdCalculate");
    std::set<int> shown;
    for (int cell = 0; cell < 81; ++cell) {
        const int strength = Cell(cell / 9, cell % 9)->text().toInt();
        shown.insert(strength);
        EXPECT_EQ(Cell(cell / 9, cell % 9)->font().bold(), strength >= 45) << cell;
    }
    EXPECT_TRUE(shown.contains(44) && shown.contains(45));
}

// Stronger aspects sit on darker tints, and every number stands out from
// its tint by at least the 4.5 to 1 that normal text needs.
TEST_F(SputaHeatTest, TheTintDeepensWithTheStrengthAndTheNumbersStayReadable) {
    const QColor white(Qt::white);
    EXPECT_EQ(Cell(0, 0)->palette().color(QPalette::Window), white);
    const auto darkness = [this](int row, int column) {
        return ContrastRatio(RgbOf(Cell(row, column)->palette().color(QPalette::Window)),
                             RgbOf(QColor(Qt::white)));
    };
    // 6 < 14 < 38 < 46 < 60
    EXPECT_LT(darkness(1, 5), darkness(2, 4));
    EXPECT_LT(darkness(2, 4), darkness(0, 4));
    EXPECT_LT(darkness(0, 4), darkness(0, 6));
    EXPECT_LT(darkness(0, 6), darkness(7, 8));
    for (int index = 0; index < 81; ++index) {
        const QPalette colours = Cell(index / 9, index % 9)->palette();
        EXPECT_TRUE(Cell(index / 9, index % 9)->autoFillBackground());
        EXPECT_GE(ContrastRatio(RgbOf(colours.color(QPalette::Window)),
                                RgbOf(colours.color(QPalette::WindowText))),
                  4.5)
            << index;
    }
}

// The Sun at 60° and Mars at 143° in whole degrees: 83° apart.
TEST_F(SputaHeatTest, EachCellsTooltipNamesBothBodiesTheirAngleAndStrength) {
    const QString tip = Cell(0, 4)->toolTip();
    for (const char* part : {"Sun", "00 Gem 51", "Mars", "23 Leo 17", "83\u00B0", "38"}) {
        EXPECT_TRUE(tip.contains(QString::fromUtf8(part))) << part << " in " << tip.toStdString();
    }
    EXPECT_LT(tip.indexOf("Sun"), tip.indexOf("Mars"));
    for (int index = 0; index < 81; ++index) {
        EXPECT_FALSE(Cell(index / 9, index % 9)->toolTip().isEmpty()) << index;
    }
}

TEST_F(SputaHeatTest, TheAxesSayWhichWayTheAspectsRun) {
    EXPECT_EQ(LabelText(QStringLiteral("lblSputaAspecting")), "aspecting \u2193");
    EXPECT_EQ(LabelText(QStringLiteral("lblSputaAspected")), "aspected \u2192");
    EXPECT_NE(window.findChild<QWidget*>(QStringLiteral("picSputaLegend")), nullptr);
}

}  // namespace
}  // namespace sarovin
