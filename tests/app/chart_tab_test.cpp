#include <QAction>
#include <QComboBox>
#include <QMouseEvent>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <set>

#include "app/tabs/chart_view.h"
#include "tests/app/window_fixture.h"
#include "tests/support/reading_folder.h"
#include "zodiac/zodiac.h"

namespace sarovin {
namespace {

class ChartTabTest : public testing::WindowTest {
  protected:
    static void SetUpTestSuite() { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }

    void Calculate() {
        EnterDelhiBirth();
        Click("cmdCalculate");
    }
    void Trigger(const char* name) { Find<QAction>(QString::fromLatin1(name))->trigger(); }
    ChartView* View() { return Find<ChartView>(QStringLiteral("picChart")); }
    QRadioButton* Radio(const char* name) { return Find<QRadioButton>(QString::fromLatin1(name)); }
    bool Shows(TextRole role) {
        for (const ChartText& text : View()->CurrentLayout().texts) {
            if (text.role == role) {
                return true;
            }
        }
        return false;
    }
    // Where the middle of a body's mark is, in the chart's own coordinates.
    QPoint MarkOf(int body) {
        for (const ChartText& text : View()->CurrentLayout().texts) {
            if (text.body == body) {
                const Point middle = text.box.Centre();
                return (QPointF(middle.x, middle.y) + View()->ChartCorner()).toPoint();
            }
        }
        ADD_FAILURE() << "no mark for " << body;
        return {};
    }
    // The Vedic names of the signs the arrows on the chart point at.
    std::set<std::string> ArrowSigns() {
        std::set<std::string> names;
        for (const ChartArrow& arrow : View()->CurrentLayout().arrows) {
            names.insert(std::string(VedicSignNames[arrow.toSign]));
        }
        return names;
    }
    // The sign names a sentence of the Graha or Rashi tab lists.
    static std::set<std::string> SignsNamedIn(const QString& sentence) {
        std::set<std::string> names;
        for (const std::string_view name : VedicSignNames) {
            if (sentence.contains(QLatin1String(name.data(), qsizetype(name.size())))) {
                names.insert(std::string(name));
            }
        }
        return names;
    }
};

TEST_F(ChartTabTest, TheChartShowsTheReadingAfterACalculation) {
    Calculate();
    auto* tabs = Find<QTabBar>(QStringLiteral("TS"));
    tabs->setCurrentIndex(3);
    EXPECT_EQ(FrontResultFrame(), "Frame6");
    bool titled = false;
    for (const ChartText& text : View()->CurrentLayout().texts) {
        titled = titled || (text.role == TextRole::Title && text.text == "Asha Rao");
    }
    EXPECT_TRUE(titled);
}

TEST_F(ChartTabTest, TheNorthIndianChartWaitsForTheLagna) {
    Calculate();
    Find<QTabBar>(QStringLiteral("TS"))->setCurrentIndex(3);
    EXPECT_FALSE(Radio("optNorthIndian")->isEnabled());
    EXPECT_TRUE(Radio("optSouthIndian")->isChecked());
    QLabel* reason = Find<QLabel>(QStringLiteral("lblNorthIndianReason"));
    EXPECT_TRUE(reason->isVisibleTo(&window));
    EXPECT_EQ(reason->text(),
              "The North Indian chart needs the Lagna: choose the Swiss Ephemeris.");

    Trigger("mnuSwiss");
    EXPECT_TRUE(Radio("optNorthIndian")->isEnabled());
    EXPECT_FALSE(reason->isVisibleTo(&window));
    Radio("optNorthIndian")->setChecked(true);
    EXPECT_TRUE(Shows(TextRole::SignNumber));

    Trigger("mnuBuiltIn");
    EXPECT_FALSE(Radio("optNorthIndian")->isEnabled());
    EXPECT_TRUE(Radio("optSouthIndian")->isChecked());
    EXPECT_TRUE(Shows(TextRole::SignName));
}

// The North Indian chart chosen once comes back with the next reading that
// has a Lagna, in this window or the next.
TEST_F(ChartTabTest, TheChosenStyleIsKept) {
    Trigger("mnuSwiss");
    Calculate();
    Radio("optNorthIndian")->setChecked(true);
    Trigger("mnuBuiltIn");
    Trigger("mnuSwiss");
    EXPECT_TRUE(Radio("optNorthIndian")->isChecked());

    QTemporaryDir folder;
    const QString reading = folder.filePath(QStringLiteral("asha.dri"));
    platform.dialogAnswers.push_back(testing::LocalPath(reading));
    Click("cmdSave");
    testing::RecordingPlatformServices otherPlatform;
    MainWindow next(otherPlatform);
    next.OpenReadingFile(testing::LocalPath(reading));
    EXPECT_TRUE(next.findChild<QRadioButton*>(QStringLiteral("optNorthIndian"))->isChecked());
}

TEST_F(ChartTabTest, ArrowKeysStepThroughTheBodies) {
    Calculate();
    ChartView* view = View();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(view->ChosenBody(), Sun);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(view->ChosenBody(), Moon);
    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(view->ChosenBody(), SNode);
    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(view->ChosenBody(), Sun);
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(view->ChosenBody(), SNode);
}

TEST_F(ChartTabTest, TabStepsThroughTheBodiesAndLeavesAfterTheLast) {
    Calculate();
    Find<QTabBar>(QStringLiteral("TS"))->setCurrentIndex(3);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ChartView* view = View();
    QRadioButton* graha = Radio("optGrahaArrows");
    graha->setFocus();
    QTest::keyClick(graha, Qt::Key_Tab);
    ASSERT_TRUE(view->hasFocus());
    EXPECT_EQ(view->ChosenBody(), Sun);
    for (int body = Moon; body <= SNode; ++body) {
        QTest::keyClick(view, Qt::Key_Tab);
        EXPECT_EQ(view->ChosenBody(), body);
        EXPECT_TRUE(view->hasFocus());
    }
    QTest::keyClick(view, Qt::Key_Tab);
    EXPECT_FALSE(view->hasFocus());
}

TEST_F(ChartTabTest, ThePointerChoosesTheBodyItRestsOnOrClicks) {
    Calculate();
    Find<QTabBar>(QStringLiteral("TS"))->setCurrentIndex(3);
    ChartView* view = View();
    QTest::mouseClick(view, Qt::LeftButton, {}, MarkOf(Mars));
    EXPECT_EQ(view->ChosenBody(), Mars);
    const QPoint jupiter = MarkOf(Jupiter);
    QMouseEvent move(QEvent::MouseMove, jupiter, view->mapToGlobal(jupiter), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    EXPECT_EQ(view->ChosenBody(), Jupiter);
}

// The arrows and the sentence beneath the chart say what the Graha and
// Rashi tabs say of the same body.
TEST_F(ChartTabTest, TheArrowsPointWhereTheDrishtiTabsSay) {
    Calculate();
    ChartView* view = View();
    for (int body = Sun; body <= NNode; ++body) {
        SCOPED_TRACE(body);
        view->ChooseBody(body);
        const QString sentence = ArrayText("lblAspects_Sign_Graha", body);
        EXPECT_EQ(ArrowSigns(), SignsNamedIn(sentence));
        EXPECT_TRUE(LabelText(QStringLiteral("lblChartAspects")).contains(sentence));
    }
    Radio("optRashiArrows")->setChecked(true);
    for (int body = Sun; body <= SNode; ++body) {
        SCOPED_TRACE(body);
        view->ChooseBody(body);
        const QString sentence = ArrayText("lblAspects_Rashi", body);
        EXPECT_EQ(ArrowSigns(), SignsNamedIn(sentence));
        EXPECT_TRUE(LabelText(QStringLiteral("lblChartAspects")).contains(sentence));
    }
}

// The Sun in Mithuna: by Graha Drishti its 7th sign, Dhanus; by Rashi
// Drishti the other dual signs, Kanya, Dhanus and Meena.
TEST_F(ChartTabTest, TheSwitchDrawsRashiDrishtiInstead) {
    Calculate();
    View()->ChooseBody(Sun);
    EXPECT_EQ(ArrowSigns(), (std::set<std::string>{"Dhanus"}));
    Radio("optRashiArrows")->setChecked(true);
    EXPECT_EQ(ArrowSigns(), (std::set<std::string>{"Kanya", "Dhanus", "Meena"}));
    View()->ChooseBody(SNode);
    EXPECT_TRUE(ArrowSigns().empty());
    Radio("optGrahaArrows")->setChecked(true);
    EXPECT_TRUE(ArrowSigns().empty());
    EXPECT_EQ(LabelText(QStringLiteral("lblChartAspects")),
              "The S Node takes no part in Graha Drishti.");
}

// The Sun at 60°35' (swetest -b15.6.1980 -ut3:00 -sid1 gives 60.5800):
// Navamsa floor(60.58 / 3.3333) mod 12 = 18 mod 12 = 6, Thula, whose 7th
// is Mesha. The built-in ephemeris has no Lagna row.
TEST_F(ChartTabTest, TheVargaChoiceDrawsTheNavamsaWithItsOwnArrows) {
    Calculate();
    Find<QComboBox>(QStringLiteral("cboVarga"))->setCurrentIndex(5);
    View()->ChooseBody(Sun);
    EXPECT_EQ(ArrowSigns(), (std::set<std::string>{"Mesha"}));
    auto* table = Find<QTableWidget>(QStringLiteral("tblVargas"));
    ASSERT_EQ(table->rowCount(), BODY_COUNT);
    EXPECT_EQ(table->item(Sun, 5)->text(), "Thula");
    EXPECT_TRUE(table->item(Sun, 5)->toolTip().startsWith("Sun in Navamsa (D9): Thula, kept from "))
        << table->item(Sun, 5)->toolTip().toStdString();
    EXPECT_TRUE(
        LabelText(QStringLiteral("lblChartAspects")).contains("Sign aspected by Sun is Mesha."));
}

}  // namespace
}  // namespace sarovin
