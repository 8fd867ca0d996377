#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTabBar>

#include "app/tabs/chart_view.h"
#include "app/tabs/houses_tab.h"
#include "tests/app/raman_calculation.h"
#include "tests/app/window_fixture.h"
#include "text/virupas_text.h"

namespace sarovin {
namespace {

constexpr int HOUSES_TAB = 4;
// Columns of the table: number and sign, five strengths, five house cells,
// seven planets.
constexpr int TABLE_COLUMNS = 19;
constexpr int DRISHTI_BALA_COLUMN = 2;
constexpr int DIG_BALA_COLUMN = 3;
constexpr int ADHIPATI_COLUMN = 4;
constexpr int BHAVA_BALA_COLUMN = 5;
constexpr int RANK_COLUMN = 6;
constexpr int FIRST_SPUTA_COLUMN = 12;

class HousesTabTest : public testing::WindowTest {
  protected:
    static void SetUpTestSuite() { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }

    void Trigger(const char* name) { Find<QAction>(QString::fromLatin1(name))->trigger(); }
    QLabel* Cell(int house, int column) {
        return Find<QLabel>(QStringLiteral("lblHouses_%1").arg(TABLE_COLUMNS * house + column));
    }
    int MadhyaMarks() {
        int marks = 0;
        for (const ChartText& text :
             Find<ChartView>(QStringLiteral("picChart"))->CurrentLayout().texts) {
            // "Md 05 Can 28", or "Md" alone where the house is too small
            // for the madhya's position at the readable size.
            marks += text.text.starts_with("Md") ? 1 : 0;
        }
        return marks;
    }
};

TEST_F(HousesTabTest, TheHousesWaitForTheSwissEphemeris) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    auto* tabs = Find<QTabBar>(QStringLiteral("TS"));
    EXPECT_EQ(tabs->tabText(HOUSES_TAB), "Houses");
    EXPECT_FALSE(tabs->isTabEnabled(HOUSES_TAB));
    EXPECT_EQ(tabs->tabToolTip(HOUSES_TAB),
              "The houses need the Lagna: choose the Swiss Ephemeris.");
    EXPECT_FALSE(Find<QCheckBox>(QStringLiteral("chkBhavaChalit"))->isEnabled());

    Trigger("mnuSwiss");
    EXPECT_TRUE(tabs->isTabEnabled(HOUSES_TAB));
    EXPECT_EQ(Find<QGroupBox>(QStringLiteral("FrameHouses"))->title(), "Houses (Sripati)");
    EXPECT_EQ(Cell(0, 0)->text(), "1");
    EXPECT_TRUE(Cell(0, DRISHTI_BALA_COLUMN)->toolTip().contains("Bhava Drishti Bala = "));

    Trigger("mnuWholeSign");
    EXPECT_EQ(Find<QGroupBox>(QStringLiteral("FrameHouses"))->title(), "Houses (Whole-sign)");
    EXPECT_EQ(QSettings().value(QStringLiteral("houses/system")).toString(), "whole-sign");
}

TEST_F(HousesTabTest, BhavaChalitMarksTheTwelveMadhyas) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    Trigger("mnuSwiss");
    auto* chalit = Find<QCheckBox>(QStringLiteral("chkBhavaChalit"));
    ASSERT_TRUE(chalit->isEnabled());
    EXPECT_EQ(MadhyaMarks(), 0);
    chalit->setChecked(true);
    EXPECT_EQ(MadhyaMarks(), 12);
}

// The Bhava Bala columns show the calculation's figures for Raman's
// example, and hide without the Shadbala.
TEST(HousesTabBhavaBala, ShowsTheLordsShadbalaTheTotalAndTheRank) {
    const Calculation calculation = testing::RamanCalculation();
    ASSERT_TRUE(calculation.strengths && calculation.houses);
    HousesTab tab;
    tab.ShowHouses(*calculation.houses, calculation.sky.bodies, calculation.strengths->bhavaBala);
    const auto cell = [&tab](int house, int column) {
        return tab.findChild<QLabel*>(
            QStringLiteral("lblHouses_%1").arg(TABLE_COLUMNS * house + column));
    };
    for (const HouseBhavaBala& bala : calculation.strengths->bhavaBala) {
        const int house = bala.number - 1;
        EXPECT_EQ(cell(house, ADHIPATI_COLUMN)->text().toStdString(),
                  VirupasText(bala.adhipati.virupas));
        EXPECT_EQ(cell(house, BHAVA_BALA_COLUMN)->text().toStdString(), VirupasText(bala.rupas));
        EXPECT_EQ(cell(house, RANK_COLUMN)->text().toInt(), bala.rank);
        EXPECT_TRUE(cell(house, BHAVA_BALA_COLUMN)->toolTip().contains("Bhavadhipati"));
    }
    // Raman's 1st house is Makara, its lord Saturn.
    EXPECT_EQ(cell(0, 1)->text(), "Makara");
    EXPECT_TRUE(cell(0, ADHIPATI_COLUMN)->toolTip().startsWith("Lord Saturn"));
    EXPECT_FALSE(cell(0, ADHIPATI_COLUMN)->isHidden());
    tab.ShowHouses(*calculation.houses, calculation.sky.bodies, std::nullopt);
    EXPECT_TRUE(cell(0, ADHIPATI_COLUMN)->isHidden());
    EXPECT_TRUE(
        tab.findChild<QLabel*>(QStringLiteral("lblHousesColumn_%1").arg(RANK_COLUMN))->isHidden());
}

// At the window's first size the strengths are in view beside the number
// and sign; scrolled sideways to the last planet, the number and sign stay.
TEST_F(HousesTabTest, TheNumberSignAndStrengthsStayInView) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    Trigger("mnuSwiss");
    Trigger("mnuClassicalRules");
    Find<QTabBar>(QStringLiteral("TS"))->setCurrentIndex(HOUSES_TAB);
    QCoreApplication::processEvents();
    for (const int column : {0, 1, DRISHTI_BALA_COLUMN, DIG_BALA_COLUMN}) {
        EXPECT_FALSE(Cell(0, column)->visibleRegion().isEmpty()) << column;
    }
    const QString sputa =
        Find<QLabel>(QStringLiteral("lblHousesColumn_%1").arg(FIRST_SPUTA_COLUMN))->toolTip();
    EXPECT_EQ(sputa, "Sun's Sputa Drishti on the house's madhya, in virupas");
    auto* sideways = Find<QScrollArea>(QStringLiteral("scrHousesColumns"));
    sideways->horizontalScrollBar()->setValue(sideways->horizontalScrollBar()->maximum());
    QCoreApplication::processEvents();
    EXPECT_FALSE(Cell(0, 0)->visibleRegion().isEmpty());
    EXPECT_FALSE(Cell(0, 1)->visibleRegion().isEmpty());
    EXPECT_FALSE(Cell(0, TABLE_COLUMNS - 1)->visibleRegion().isEmpty());
}

}  // namespace
}  // namespace sarovin
