#include <QAccessible>
#include <QSettings>
#include <QTabBar>
#include <QTreeWidget>

#include "app/tabs/strength_tab.h"
#include "calculation/calculation.h"
#include "tests/app/raman_calculation.h"
#include "tests/app/window_fixture.h"
#include "text/virupas_text.h"

namespace sarovin {
namespace {

constexpr int STRENGTH_TAB = 7;

QTreeWidgetItem* RowNamed(QTreeWidget* tree, const QString& caption) {
    const QList<QTreeWidgetItem*> found =
        tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive, 0);
    EXPECT_EQ(found.size(), 1) << caption.toStdString();
    return found.value(0);
}

// Each row the tree shows, with the figure of the calculation it shows.
struct ShownRow {
    const char* caption;
    double (*value)(const PlanetShadbala&);
};

const ShownRow SHOWN_ROWS[] = {
    {"Sthana Bala", [](const PlanetShadbala& b) { return b.sthana.virupas; }},
    {"Uchcha", [](const PlanetShadbala& b) { return b.sthana.uchcha.virupas; }},
    {"Drekkana", [](const PlanetShadbala& b) { return b.sthana.drekkana.virupas; }},
    {"Dig Bala", [](const PlanetShadbala& b) { return b.dig.virupas; }},
    {"Kala Bala", [](const PlanetShadbala& b) { return b.kala.virupas; }},
    {"Nathonnata", [](const PlanetShadbala& b) { return b.kala.nathonnata.virupas; }},
    {"Ayana", [](const PlanetShadbala& b) { return b.kala.ayana.virupas; }},
    {"Cheshta Bala", [](const PlanetShadbala& b) { return b.cheshta.virupas; }},
    {"Naisargika Bala", [](const PlanetShadbala& b) { return b.naisargika.virupas; }},
    {"Drik Bala", [](const PlanetShadbala& b) { return b.drik.virupas; }},
    {"Total (virupas)", [](const PlanetShadbala& b) { return b.virupas; }},
    {"Total (rupas)", [](const PlanetShadbala& b) { return b.rupas; }},
    {"Required rupas", [](const PlanetShadbala& b) { return b.requiredRupas; }},
    {"Ratio", [](const PlanetShadbala& b) { return b.ratio; }},
    {"Ishta Phala", [](const PlanetShadbala& b) { return b.ishta.virupas; }},
    {"Kashta Phala", [](const PlanetShadbala& b) { return b.kashta.virupas; }},
};

TEST(StrengthTab, ShowsTheFiguresTheCalculationFoundWithTheirWorking) {
    const Calculation calculation = testing::RamanCalculation();
    ASSERT_TRUE(calculation.strengths);
    const Shadbala& shadbala = calculation.strengths->shadbala;
    StrengthTab tab;
    tab.ShowStrengths(*calculation.strengths);
    auto* tree = tab.findChild<QTreeWidget*>(QStringLiteral("treShadbala"));
    ASSERT_NE(tree, nullptr);
    for (const ShownRow& row : SHOWN_ROWS) {
        QTreeWidgetItem* item = RowNamed(tree, QString::fromLatin1(row.caption));
        ASSERT_NE(item, nullptr);
        for (const PlanetShadbala& bala : shadbala.planets) {
            EXPECT_EQ(item->text(bala.planet + 1).toStdString(), VirupasText(row.value(bala)))
                << row.caption << " " << bala.planet;
            EXPECT_FALSE(item->toolTip(bala.planet + 1).isEmpty()) << row.caption;
        }
    }
    QTreeWidgetItem* order = RowNamed(tree, QStringLiteral("Order"));
    for (const PlanetShadbala& bala : shadbala.planets) {
        EXPECT_EQ(order->text(bala.planet + 1).toInt(), bala.rank);
    }
    // The parts open under their bala; the Sun's Uchcha tells its working:
    // (190° - 180°53'55") / 3 = 9°06'05" / 3 = 3.03 (the book prints 3.00).
    EXPECT_EQ(RowNamed(tree, QStringLiteral("Uchcha"))->parent()->text(0), "Sthana Bala");
    const QString uchcha = RowNamed(tree, QStringLiteral("Uchcha"))->toolTip(1);
    EXPECT_TRUE(uchcha.contains("rule: ")) << uchcha.toStdString();
    EXPECT_TRUE(uchcha.contains("source: ")) << uchcha.toStdString();
    EXPECT_TRUE(uchcha.endsWith("arc / 3 3.03 = 3.03 virupas")) << uchcha.toStdString();
    // The book's day: a Wednesday in the Moon's hora.
    const QString day = tab.findChild<QLabel*>(QStringLiteral("lblStrengthDay"))->text();
    EXPECT_TRUE(day.contains("weekday Mercury, hour Moon")) << day.toStdString();
    auto* bars = tab.findChild<QWidget*>(QStringLiteral("picStrengthRatios"));
    ASSERT_NE(bars, nullptr);
    EXPECT_TRUE(bars->accessibleDescription().contains(
        QStringLiteral("Sun %1").arg(shadbala.planets[0].ratio, 0, 'f', 2)));
}

class StrengthTabWindowTest : public testing::WindowTest {
  protected:
    static void SetUpTestSuite() { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }
    void Trigger(const char* name) { Find<QAction>(QString::fromLatin1(name))->trigger(); }
};

// The tab waits for the Swiss Ephemeris and the classical rules, its
// tooltip saying which is missing.
TEST_F(StrengthTabWindowTest, WaitsForTheSwissEphemerisAndTheClassicalRules) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    auto* tabs = Find<QTabBar>(QStringLiteral("TS"));
    ASSERT_EQ(tabs->tabText(STRENGTH_TAB), "Strength");
    const struct {
        const char* action;
        bool enabled;
        const char* tip;
    } steps[] = {
        {"mnuBuiltIn", false, "with the Swiss Ephemeris"},
        {"mnuSwiss", false, "follows the classical rules"},
        {"mnuClassicalRules", true, ""},
        {"mnuOwnRules", false, "follows the classical rules"},
    };
    for (const auto& step : steps) {
        Trigger(step.action);
        EXPECT_EQ(tabs->isTabEnabled(STRENGTH_TAB), step.enabled) << step.action;
        EXPECT_TRUE(tabs->tabToolTip(STRENGTH_TAB).contains(QString::fromLatin1(step.tip)))
            << step.action << tabs->tabToolTip(STRENGTH_TAB).toStdString();
        EXPECT_EQ(tabs->tabToolTip(STRENGTH_TAB).isEmpty(), step.enabled) << step.action;
    }
}

}  // namespace
}  // namespace sarovin
