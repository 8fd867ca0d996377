#include <QAction>
#include <QTabBar>

#include "drishti/drishti_report.h"
#include "tests/app/window_fixture.h"

namespace sarovin {
namespace {

using testing::WindowTest;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

class CalculationTest : public WindowTest {
  protected:
    // Every label of the three result frames against the report of `record`.
    void ExpectLabelsShow(const DrishtiReport& report) {
        for (int row = 0; row < GRAHA_ROWS; ++row) {
            const DrishtiRow& graha = report.graha[row];
            EXPECT_EQ(ArrayText("lblPlanets_Graha", row), Q(graha.bodyCaption));
            EXPECT_EQ(ArrayText("lblPlanets_Position_Graha", row), Q(graha.positionCaption));
            EXPECT_EQ(ArrayText("lblAspects_Sign_Graha", row), Q(graha.aspectCaption));
            EXPECT_EQ(ArrayText("lblAspects_Planets_Graha", row), Q(graha.planetsCaption));
        }
        for (int row = 0; row < RASHI_ROWS; ++row) {
            const DrishtiRow& rashi = report.rashi[row];
            EXPECT_EQ(ArrayText("lblPlanets_Rashi", row), Q(rashi.bodyCaption));
            EXPECT_EQ(ArrayText("lblPlanets_Position_Rashi", row), Q(rashi.positionCaption));
            EXPECT_EQ(ArrayText("lblAspects_Rashi", row), Q(rashi.aspectCaption));
            EXPECT_EQ(ArrayText("lblGrahas_Rashi", row), Q(rashi.planetsCaption));
        }
        for (int body = 0; body < BODY_COUNT; ++body) {
            EXPECT_EQ(ArrayText("lblPlanetsRow_Sputa", body), Q(report.sputa.rowCaptions[body]));
            EXPECT_EQ(ArrayText("lblPlanetsColumn_Sputa", body),
                      Q(report.sputa.columnCaptions[body]));
            EXPECT_EQ(ArrayText("lblPlanets_Position_Sputa", body),
                      Q(report.sputa.positionCaptions[body]));
            for (int column = 0; column < BODY_COUNT; ++column) {
                EXPECT_EQ(ArrayText("lblSputa_Angle_Sputa", 9 * body + column),
                          QString::number(report.sputa.grid[body][column]));
            }
        }
    }
};

TEST_F(CalculationTest, TheDelhiBirthFillsAllThreeFrames) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(FrontPanelName(), "Frame2");
    EXPECT_EQ(FrontResultFrame(), "Frame3");
    EXPECT_EQ(ArrayText("lblPlanets_Graha", 4), "Mars / Mangala");
    EXPECT_EQ(ArrayText("lblPlanets_Position_Graha", 1), "29 Gem 07");
    EXPECT_EQ(ArrayText("lblAspects_Sign_Graha", 6),
              "Sign aspected by Saturn is Thula, Kumbha, Vrishabha.");
    EXPECT_EQ(ArrayText("lblAspects_Rashi", 7), "N Node is aspecting by Rashi Drishti of .");
    EXPECT_EQ(ArrayText("lblPlanetsRow_Sputa", 8), "S Node/Ketu");
    EXPECT_EQ(ArrayText("lblSputa_Angle_Sputa", 9 * 8 + 7), "60");
    EXPECT_EQ(ArrayText("lblSputa_Angle_Sputa", 9 * 1 + 6), "56");
    ExpectLabelsShow(ComputeDrishtiReport(window.Record()));
}

TEST_F(CalculationTest, TheGreenwichBirthFillsAllThreeFrames) {
    EnterGreenwichBirth();
    Click("cmdCalculate");
    EXPECT_EQ(window.Record().zoneHoursToUt, 0);
    EXPECT_EQ(ArrayText("lblPlanets_Position_Graha", 0), "16 Sag 31");
    EXPECT_EQ(ArrayText("lblAspects_Planets_Graha", 5),
              "Planet(s) aspected by Jupiter is Moon, Sun, Mercury.");
    EXPECT_EQ(ArrayText("lblGrahas_Rashi", 1), "Moon has Graha Drishti on Jupiter, Saturn.");
    EXPECT_EQ(ArrayText("lblSputa_Angle_Sputa", 9 * 4 + 7), "60");
    ExpectLabelsShow(ComputeDrishtiReport(window.Record()));
}

TEST_F(CalculationTest, ASecondPressGivesTheSameLabels) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    const QString first = ArrayText("lblAspects_Sign_Graha", 5);
    const BirthRecord record = window.Record();
    Click("cmdCalculate");
    EXPECT_EQ(window.Record(), record);
    EXPECT_EQ(ArrayText("lblAspects_Sign_Graha", 5), first);
    ExpectLabelsShow(ComputeDrishtiReport(record));
}

TEST_F(CalculationTest, BackKeepsTheInputsAndTheMenuRecalculates) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    Find<QTabBar>(QStringLiteral("TS"))->setCurrentIndex(2);
    Click("cmdBack");
    EXPECT_EQ(FrontPanelName(), "Frame1");
    EXPECT_EQ(Box("txtName")->text(), "Asha Rao");
    EXPECT_EQ(List("cboTimeZone")->currentIndex(), 34);
    EnterGreenwichBirth();
    Find<QAction>(QStringLiteral("mnuCalculate"))->trigger();
    EXPECT_EQ(FrontPanelName(), "Frame2");
    EXPECT_EQ(FrontResultFrame(), "Frame3");
    EXPECT_EQ(Find<QTabBar>(QStringLiteral("TS"))->currentIndex(), 0);
    EXPECT_EQ(ArrayText("lblPlanets_Position_Graha", 0), "16 Sag 31");
}

TEST_F(CalculationTest, FillsTheRecordFromTheControls) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    const BirthRecord& record = window.Record();
    EXPECT_EQ(record.zoneHoursAbs, 5);
    EXPECT_EQ(record.zoneMinutesAbs, 30);
    EXPECT_EQ(record.zoneHoursToUt, -5);
    EXPECT_EQ(record.zoneMinutesToUt, -30);
    EXPECT_TRUE(record.isEast);
    EXPECT_FALSE(record.isSouth);
    EXPECT_EQ(record.day, 15);
    EXPECT_EQ(record.month, 6);

    List("cboTimeZone")->setCurrentIndex(50);
    Choose("optLong_1");
    Choose("optLat_1");
    Find<QCheckBox>(QStringLiteral("chkDST"))->setChecked(true);
    ChooseItem("cboMonth", QStringLiteral("December"));
    ChooseItem("cboDate", QStringLiteral("31"));
    Box("txtName")->setText(QStringLiteral(" Asha  "));
    Box("txtCity")->setText(QStringLiteral("  St Johns  "));
    Find<QAction>(QStringLiteral("mnuCalculate"))->trigger();
    EXPECT_EQ(record.zoneHoursAbs, 3);
    EXPECT_EQ(record.zoneMinutesAbs, 30);
    EXPECT_EQ(record.zoneHoursToUt, 3);
    EXPECT_EQ(record.zoneMinutesToUt, 30);
    EXPECT_FALSE(record.isEast);
    EXPECT_TRUE(record.isSouth);
    EXPECT_TRUE(record.daylightSaving);
    EXPECT_EQ(record.month, 12);
    EXPECT_EQ(record.day, 31);
    EXPECT_EQ(record.name, " Asha  ");
    EXPECT_EQ(record.city, "St Johns");
}

TEST_F(CalculationTest, ADegreeTextThatIsNoNumberKeepsThePreviousValue) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    Box("txtLonDeg")->setText(QStringLiteral("7x"));
    Box("txtLatDeg")->setText(QStringLiteral("1e9"));
    Click("cmdCalculate");
    EXPECT_EQ(window.Record().longitudeDegrees, 77);
    EXPECT_EQ(window.Record().latitudeDegrees, 28);
    Box("txtLonDeg")->setText(QStringLiteral("999"));
    Click("cmdCalculate");
    EXPECT_EQ(window.Record().longitudeDegrees, 999);
}

}  // namespace
}  // namespace sarovin
