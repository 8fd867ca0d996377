#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSettings>

#include "app/tabs/chart_view.h"
#include "tests/app/window_fixture.h"

namespace sarovin {
namespace {

constexpr int HOUSES_TAB = 4;
// Columns of the table: seven house cells, seven planets, two strengths.
constexpr int TABLE_COLUMNS = 16;
constexpr int DRISHTI_BALA_COLUMN = 14;

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

}  // namespace
}  // namespace sarovin
