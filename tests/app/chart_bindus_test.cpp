#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "app/tabs/chart_tab.h"
#include "app/tabs/chart_view.h"
#include "zodiac/zodiac.h"

namespace sarovin {
namespace {

constexpr int SARVA_CHOICE = 1;
constexpr int SATURN_CHOICE = 8;

// The published chart: 6 February 1911, 02:04 at UTC-6:00 (08:04 UT),
// 41°38' N 89°47' W, Lahiri, its Lagna in Vrischika.
Calculation PublishedChart() {
    BirthRecord record;
    record.day = 6;
    record.month = 2;
    record.year = 1911;
    record.hour = 2;
    record.minute = 4;
    record.zoneHoursAbs = 6;
    record.zoneHoursToUt = 6;
    record.latitudeDegrees = 41;
    record.latitudeMinutes = 38;
    record.longitudeDegrees = 89;
    record.longitudeMinutes = 47;
    Result<Sky> sky = ComputeSky(record, {Ephemeris::Swiss, LunarNode::Mean});
    EXPECT_TRUE(sky);
    CalculationScope scope = EveryVargaWithSpans();
    scope.ashtakavarga = AshtakavargaTables::Parashara;
    return *CompleteCalculation(record, 0, std::move(*sky), scope);
}

// The bindu marks of each sign, from Mesha, as the chart lays them out.
std::vector<std::string> BinduTexts(const ChartView& view, std::string_view table) {
    std::vector<std::string> texts(SIGN_COUNT);
    for (const ChartText& text : view.CurrentLayout().texts) {
        if (text.role == TextRole::Mark && !text.body && text.text.starts_with(table)) {
            texts[static_cast<std::size_t>(text.sign)] = text.text;
        }
    }
    return texts;
}

// The published Sarvashtakavarga, Mesha to Meena: 27 24 25 26 34 35 31 28
// 26 26 34 21; Saturn's own table 3 2 2 3 5 6 3 4 1 3 6 1.
TEST(ChartBindus, TheCellsShowThePublishedAshtakavarga) {
    const Calculation calculation = PublishedChart();
    ChartTab tab;
    tab.resize(900, 560);
    tab.show();
    tab.ShowCalculation(calculation);
    auto* view = tab.findChild<ChartView*>(QStringLiteral("picChart"));
    auto* bindus = tab.findChild<QComboBox*>(QStringLiteral("cboBindus"));
    ASSERT_TRUE(bindus->isEnabled());
    EXPECT_EQ(BinduTexts(*view, "SAV"), std::vector<std::string>(SIGN_COUNT));
    bindus->setCurrentIndex(SARVA_CHOICE);
    EXPECT_EQ(
        BinduTexts(*view, "SAV"),
        (std::vector<std::string>{"SAV 27", "SAV 24", "SAV 25", "SAV 26", "SAV 34", "SAV 35",
                                  "SAV 31", "SAV 28", "SAV 26", "SAV 26", "SAV 34", "SAV 21"}));
    bindus->setCurrentIndex(SATURN_CHOICE);
    EXPECT_EQ(BinduTexts(*view, "Sa "),
              (std::vector<std::string>{"Sa 3", "Sa 2", "Sa 2", "Sa 3", "Sa 5", "Sa 6", "Sa 3",
                                        "Sa 4", "Sa 1", "Sa 3", "Sa 6", "Sa 1"}));
}

// The built-in ephemeris has no Lagna to count the Ashtakavarga from.
TEST(ChartBindus, WaitForTheLagna) {
    Calculation calculation = PublishedChart();
    Result<Sky> sky = ComputeSky(calculation.record, {});
    ASSERT_TRUE(sky);
    calculation =
        *CompleteCalculation(calculation.record, 0, std::move(*sky), EveryVargaWithSpans());
    ChartTab tab;
    tab.ShowCalculation(calculation);
    auto* bindus = tab.findChild<QComboBox*>(QStringLiteral("cboBindus"));
    EXPECT_FALSE(bindus->isEnabled());
    EXPECT_FALSE(bindus->toolTip().isEmpty());
}

// At the window's first size the tab is about 900 × 500: the chart takes
// its height and the varga table beside it shows the Lagna and the nine
// bodies without scrolling.
TEST(ChartBindus, TheChartTakesTheTabsHeightBesideTheWholeVargaTable) {
    const Calculation calculation = PublishedChart();
    ChartTab tab;
    tab.resize(884, 500);
    tab.show();
    tab.ShowCalculation(calculation);
    QApplication::processEvents();
    auto* view = tab.findChild<ChartView*>(QStringLiteral("picChart"));
    EXPECT_GE(view->CurrentLayout().side, 400);
    auto* table = tab.findChild<QTableWidget*>(QStringLiteral("tblVargas"));
    ASSERT_EQ(table->rowCount(), 10);
    const int rows = table->verticalHeader()->length();
    EXPECT_LE(rows, table->viewport()->height());
}

}  // namespace
}  // namespace sarovin
