#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSettings>

#include "tests/app/window_fixture.h"

namespace sarovin {
namespace {

class ClassicalRulesTest : public testing::WindowTest {
  protected:
    static void SetUpTestSuite() { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }

    void Trigger(const char* name) { Find<QAction>(QString::fromLatin1(name))->trigger(); }
    QLabel* Label(const QString& name) { return Find<QLabel>(name); }
};

TEST_F(ClassicalRulesTest, TheRulesMenuTurnsTheTabsClassicalAndIsKept) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    EXPECT_TRUE(Label(QStringLiteral("lblDrikBala"))->isHidden());
    EXPECT_EQ(ArrayText("lblSputa_Angle_Sputa", 9 * 0 + 4), "38");
    Trigger("mnuClassicalRules");
    EXPECT_TRUE(LabelText(QStringLiteral("lblEphemeris")).contains("Classical (Parashara) rules"));
    EXPECT_FALSE(Label(QStringLiteral("lblDrikBala"))->isHidden());
    EXPECT_EQ(ArrayText("lblSputa_Angle_Sputa", 9 * 7 + 0), "\u2013");
    EXPECT_TRUE(ArrayText("lblSputa_Angle_Sputa", 9 * 0 + 4).contains('.'));
    EXPECT_TRUE(Label(QStringLiteral("lblSputaLagna"))->isHidden())
        << "the built-in ephemeris has no Lagna";
    // The working: six contributors, the net and its quarter.
    const QString tip = Label(QStringLiteral("lblDrikBala_Value_0"))->toolTip();
    EXPECT_EQ(tip.count('\n'), 7) << tip.toStdString();
    EXPECT_TRUE(tip.contains("/ 4 = " + ArrayText("lblDrikBala_Value", 0))) << tip.toStdString();
    Trigger("mnuSwiss");
    EXPECT_FALSE(Label(QStringLiteral("lblSputaLagna"))->isHidden());

    testing::RecordingPlatformServices otherPlatform;
    MainWindow next(otherPlatform);
    EXPECT_TRUE(next.findChild<QAction*>(QStringLiteral("mnuClassicalRules"))->isChecked());
}

// Saturn at 147.0863186 and the Sun at 60.5800489 (swetest, 15 June 1980
// 03:00 UT): the angle is 273.4937°, in the band from 180° whose general
// strength is (300 - 273.4937) / 2 = 13.25, and in Saturn's 10th-house
// aspect from 270° to 300°, which adds 45: 58.25. A planet's own cell has
// no aspect.
TEST_F(ClassicalRulesTest, ASpecialAspectSaysWhatItAddsAndOwnCellsAreEmpty) {
    Trigger("mnuSwiss");
    Trigger("mnuClassicalRules");
    EnterDelhiBirth();
    Click("cmdCalculate");
    EXPECT_EQ(ArrayText("lblSputa_Angle_Sputa", 9 * Saturn + Sun), "58.25");
    const QString tip =
        Label(QStringLiteral("lblSputa_Angle_Sputa_%1").arg(9 * Saturn + Sun))->toolTip();
    EXPECT_TRUE(
        tip.endsWith("angle 273.49\u00B0, 58.25 = 13.25 by the angle + 45 for Saturn's "
                     "3rd/10th aspect"))
        << tip.toStdString();
    EXPECT_TRUE(Label(QStringLiteral("lblSputa_Angle_Sputa_%1").arg(9 * Sun + Mars))
                    ->toolTip()
                    .endsWith(" virupas"));
    for (int planet = Sun; planet <= Saturn; ++planet) {
        EXPECT_EQ(ArrayText("lblSputa_Angle_Sputa", 9 * planet + planet), "\u2013") << planet;
    }
}

TEST_F(ClassicalRulesTest, TheAyanamsaIsChosenForTheSwissEphemerisAndKept) {
    EXPECT_FALSE(Find<QMenu>(QStringLiteral("mnuAyanamsa"))->isEnabled());
    Trigger("mnuSwiss");
    Trigger("mnuAyanamsa1");
    EnterDelhiBirth();
    Click("cmdCalculate");
    EXPECT_TRUE(LabelText(QStringLiteral("lblEphemeris")).startsWith("Swiss Ephemeris, Raman "));
    testing::RecordingPlatformServices otherPlatform;
    MainWindow next(otherPlatform);
    EXPECT_TRUE(next.findChild<QAction*>(QStringLiteral("mnuAyanamsa1"))->isChecked());
}

}  // namespace
}  // namespace sarovin
