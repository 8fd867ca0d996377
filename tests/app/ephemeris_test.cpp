#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QSettings>

#include <filesystem>
#include <fstream>
#include <thread>

#include "swiss/swiss_ephemeris.h"
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

// The first results of the built-in ephemeris say once what the Swiss
// Ephemeris adds; a later calculation, or a later run, does not.
TEST_F(EphemerisTest, TheFirstResultsSayOnceWhatTheSwissEphemerisAdds) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    auto* hint = Find<QLabel>(QStringLiteral("lblSwissHint"));
    EXPECT_TRUE(hint->isVisibleTo(&window));
    EXPECT_TRUE(hint->text().contains("the Lagna, the houses, the transits and the strengths"));
    Click("cmdBack");
    Click("cmdCalculate");
    EXPECT_FALSE(hint->isVisibleTo(&window));
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

// A data file of a build Sarovin does not know that gives the reference
// positions is used, and the window says so once. The note is the run's,
// so the run is a child process of its own.
TEST_F(EphemerisTest, ADataFileOfAnotherWorkingBuildIsNotedOnce) {
    const pid_t child = ::fork();
    if (child == 0) {
        const testing::ReadingFolder folder;
        for (const char* name : {"sepl_18.se1", "semo_18.se1"}) {
            std::filesystem::copy_file(std::filesystem::path("/usr/share/libswe/ephe") / name,
                                       folder.Path() / name);
        }
        // A byte no reference moment reads: another build as far as
        // Sarovin can tell.
        std::fstream planets(folder.Path() / "sepl_18.se1",
                             std::ios::in | std::ios::out | std::ios::binary);
        planets.seekp(300000);
        planets.put('\x5A');
        planets.close();
        ::unsetenv("SE_EPHE_PATH");
        ::setenv("SAROVIN_EPHEMERIS_PATH", folder.Path().c_str(), 1);
        std::thread([] { ComputeSwissPositions({2451545.0, 28.6, 77.2}); }).join();
        EnterDelhiBirth();
        Click("cmdCalculate");
        Click("cmdBack");
        Click("cmdCalculate");
        const bool once =
            platform.messages.size() == 1 &&
            platform.messages[0].text ==
                "The Swiss Ephemeris data file sepl_18.se1 in " +
                    QString::fromStdString(folder.Path().string()) +
                    " is not the build Sarovin knows, but its positions agree with the reference "
                    "ones; it is used." &&
            platform.messages[0].icon == MessageIcon::Information;
        std::filesystem::remove_all(folder.Path());
        ::_exit(once ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
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
