#include <QAction>
#include <QSettings>

#include "tests/app/window_fixture.h"
#include "tests/support/reading_folder.h"

namespace sarovin {
namespace {

class EphemerisTest : public testing::WindowTest {
  protected:
    static void SetUpTestSuite() { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }

    QAction* Action(const char* name) { return Find<QAction>(QString::fromLatin1(name)); }
    void Trigger(const char* name) { Action(name)->trigger(); }
};

TEST_F(EphemerisTest, BuiltInIsTheFirstChoiceAndTheNodeWaitsForSwiss) {
    EXPECT_TRUE(Action("mnuBuiltIn")->isChecked());
    EXPECT_TRUE(Action("mnuMeanNode")->isChecked());
    EXPECT_FALSE(Action("mnuMeanNode")->isEnabled());
    EXPECT_FALSE(Action("mnuTrueNode")->isEnabled());
    Trigger("mnuSwiss");
    EXPECT_TRUE(Action("mnuTrueNode")->isEnabled());
}

// Positions of 15 June 1980, 03:00 UT, 28°36' N 77°12' E, from
// swetest -b15.6.1980 -ut3:00 -p01 -sid1 -fPl -head -eswe
//   -edir/usr/share/libswe/ephe -house77.2,28.6,P
// Sun 60.5800489, Moon 89.1542398, Ascendant 100.7663021 (sidereal).
TEST_F(EphemerisTest, SwissResultsNameTheirEphemerisAndLagna) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    EXPECT_TRUE(LabelText(QStringLiteral("lblEphemeris")).startsWith("Built-in (v1.15) ephemeris"));
    EXPECT_EQ(ArrayText("lblPlanets_Position_Graha", 1), "29 Gem 07");
    Trigger("mnuSwiss");
    const QString line = LabelText(QStringLiteral("lblEphemeris"));
    EXPECT_TRUE(line.startsWith("Swiss Ephemeris, Lahiri ayanamsa 23\u00B0")) << line.toStdString();
    EXPECT_TRUE(line.contains("UT 1980-06-15 03:00")) << line.toStdString();
    EXPECT_TRUE(line.contains("Lagna 10 Can 45")) << line.toStdString();
    EXPECT_EQ(ArrayText("lblPlanets_Position_Graha", 0), "00 Gem 34");
    EXPECT_EQ(ArrayText("lblPlanets_Position_Graha", 1), "29 Gem 09");
    Trigger("mnuBuiltIn");
    EXPECT_EQ(ArrayText("lblPlanets_Position_Graha", 1), "29 Gem 07");
}

// With the panel on show there is no reading to follow the change.
TEST_F(EphemerisTest, ChangingTheEphemerisOnThePanelCalculatesNothing) {
    EnterDelhiBirth();
    Trigger("mnuSwiss");
    EXPECT_EQ(FrontPanelName(), "Frame1");
    EXPECT_TRUE(platform.messages.empty());
    Box("txtName")->clear();
    Trigger("mnuBuiltIn");
    EXPECT_EQ(FrontPanelName(), "Frame1");
    EXPECT_TRUE(platform.messages.empty());
}

// A reading refused while another is on show leaves that one on show, and
// the change of ephemeris recomputes it (Sun 60.5800489 by swetest, as
// above), not the refused panel.
TEST_F(EphemerisTest, ChangingTheEphemerisRecomputesTheReadingOnShow) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    const testing::ReadingFolder folder;
    window.OpenReadingFile(folder.PathOf("missing.dri"));
    ASSERT_EQ(FrontPanelName(), "Frame2");
    platform.messages.clear();
    Trigger("mnuSwiss");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ArrayText("lblPlanets_Position_Graha", 0), "00 Gem 34");
}

// Madrid, 22 January 1975 12:00 CET: the built-in Moon 00 Tau 44
// (tests/reference/builtin_positions.py 1975-01-22,12:00,-1,0,3W42), the
// Swiss Ephemeris's 29.6689° in Mesha (swetest -b22.1.1975 -ut11:00 -p1
// -sid1 -fPl -head). The line says so above the tabs, and its button
// switches the ephemeris.
TEST_F(EphemerisTest, ALineSaysWhenTheEphemeridesDisagreeAndSwitches) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    EXPECT_FALSE(Find<QWidget>(QStringLiteral("fraPrecision"))->isVisibleTo(&window));
    Click("cmdBack");
    ChooseItem("cboDate", QStringLiteral("22"));
    ChooseItem("cboMonth", QStringLiteral("January"));
    ChooseItem("cboYear", QStringLiteral("1975"));
    ChooseItem("cboHour", QStringLiteral("12"));
    ChooseItem("cboMinute", QStringLiteral("0"));
    List("cboTimeZone")->setCurrentIndex(20);
    Box("txtLatDeg")->setText(QStringLiteral("40"));
    Box("txtLatMin")->setText(QStringLiteral("25"));
    Box("txtLonDeg")->setText(QStringLiteral("3"));
    Box("txtLonMin")->setText(QStringLiteral("42"));
    Choose("optLong_1");
    Click("cmdCalculate");
    EXPECT_EQ(ArrayText("lblPlanets_Position_Graha", 1), "00 Tau 44");
    EXPECT_TRUE(Find<QWidget>(QStringLiteral("fraPrecision"))->isVisibleTo(&window));
    EXPECT_EQ(LabelText(QStringLiteral("lblPrecision")),
              "The Swiss Ephemeris puts the Moon in Mesha, not Vrishabha.");
    Click("cmdUseSwiss");
    EXPECT_TRUE(Action("mnuSwiss")->isChecked());
    EXPECT_EQ(ArrayText("lblPlanets_Position_Graha", 1), "29 Ari 40");
    EXPECT_FALSE(Find<QWidget>(QStringLiteral("fraPrecision"))->isVisibleTo(&window));
}

TEST_F(EphemerisTest, TheChoiceIsKeptForTheNextRun) {
    Trigger("mnuSwiss");
    Trigger("mnuTrueNode");
    testing::RecordingPlatformServices otherPlatform;
    MainWindow next(otherPlatform);
    EXPECT_TRUE(next.findChild<QAction*>(QStringLiteral("mnuSwiss"))->isChecked());
    EXPECT_TRUE(next.findChild<QAction*>(QStringLiteral("mnuTrueNode"))->isChecked());
}

TEST_F(EphemerisTest, TheResultsSayWhoseChartTheyShow) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    EXPECT_EQ(LabelText(QStringLiteral("lblBirth")),
              "Asha Rao \u2014 15 June 1980 08:30, New Delhi, Delhi, India");
    EXPECT_TRUE(window.windowTitle().endsWith("Asha Rao"));
    Click("cmdBack");
    EXPECT_FALSE(window.windowTitle().contains("Asha Rao"));
}

}  // namespace
}  // namespace sarovin
