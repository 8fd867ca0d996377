#include <QAction>
#include <QSettings>
#include <QTableWidget>
#include <QTreeWidget>

#include "app/shell/ephemeris_menu.h"
#include "app/shell/given_positions_dialog.h"
#include "reading/reading_split.h"
#include "tests/app/raman_calculation.h"
#include "tests/app/window_fixture.h"
#include "tests/support/reading_folder.h"
#include "text/virupas_text.h"

namespace sarovin {
namespace {

// Raman's entries in the dialog's order: the Sun, Moon, Mars, Mercury,
// Jupiter, Venus, Saturn, Rahu, the Lagna and the MC.
const QStringList RAMAN_ENTRIES = {"180:53:55", "311:17:19", "229:30:34", "181:31:34", "84:00:49",
                                   "171:09:56", "124:22:41", "234:23:47", "298:27",    "216:36"};

void Type(GivenPositionsDialog& dialog, const QStringList& entries) {
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tblGivenPositions"));
    ASSERT_NE(table, nullptr);
    for (int entry = 0; entry < entries.size(); ++entry) {
        table->item(entry, 0)->setText(entries[entry]);
    }
}

struct RefusedCase {
    int entry;
    const char* typed;
    const char* named;
};

TEST(GivenPositionsDialog, RefusesBadEntriesNamingThem) {
    const RefusedCase cases[] = {
        {0, "180:60", "Sun"}, {2, "361:00", "Mars"},  {3, "360:00:01", "Mercury"},
        {7, "234", "Rahu"},   {8, "", "Lagna"},       {9, "1:2:3:4", "MC"},
        {1, "-1:00", "Moon"}, {6, "12:3x", "Saturn"},
    };
    for (const RefusedCase& c : cases) {
        GivenPositionsDialog dialog(std::nullopt);
        QStringList entries = RAMAN_ENTRIES;
        entries[c.entry] = QString::fromLatin1(c.typed);
        Type(dialog, entries);
        dialog.accept();
        EXPECT_NE(dialog.result(), QDialog::Accepted) << c.typed;
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblGivenPositionsProblem"))->text(),
                  QStringLiteral("Bad longitude for %1: give degrees:minutes[:seconds] from 0 to "
                                 "360, every entry or none.")
                      .arg(QLatin1String(c.named)));
    }
}

TEST(GivenPositionsDialog, TakesEveryEntryOrNone) {
    GivenPositionsDialog dialog(std::nullopt);
    Type(dialog, RAMAN_ENTRIES);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.Positions());
    EXPECT_EQ(*dialog.Positions(), testing::RamanPositions());

    // Opened again, it shows them to the second; cleared, it takes none.
    GivenPositionsDialog again(dialog.Positions());
    auto* table = again.findChild<QTableWidget*>(QStringLiteral("tblGivenPositions"));
    EXPECT_EQ(table->item(0, 0)->text(), "180:53:55");
    EXPECT_EQ(table->item(8, 0)->text(), "298:27:00");
    again.findChild<QPushButton*>(QStringLiteral("cmdClearPositions"))->click();
    again.accept();
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_FALSE(again.Positions());
}

class GivenPositionsWindowTest : public testing::WindowTest {
  protected:
    static void SetUpTestSuite() { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }
    void Trigger(const char* name) { Find<QAction>(QString::fromLatin1(name))->trigger(); }
    void EnterRamanBirth() {
        EnterDelhiBirth();
        ChooseItem("cboDate", QStringLiteral("16"));
        ChooseItem("cboMonth", QStringLiteral("October"));
        ChooseItem("cboYear", QStringLiteral("1918"));
        ChooseItem("cboHour", QStringLiteral("14"));
        ChooseItem("cboMinute", QStringLiteral("22"));
        Box("txtLatDeg")->setText(QStringLiteral("13"));
        Box("txtLatMin")->setText(QStringLiteral("00"));
        Box("txtLonDeg")->setText(QStringLiteral("77"));
        Box("txtLonMin")->setText(QStringLiteral("35"));
    }
};

// Given in the window, the positions make the same strengths as the
// calculation from them, and a line above the tabs says they are given.
TEST_F(GivenPositionsWindowTest, EveryStrengthFollowsThePositionsGiven) {
    EnterRamanBirth();
    Click("cmdCalculate");
    Trigger("mnuClassicalRules");
    Trigger("mnuAyanamsa1");
    EXPECT_TRUE(Find<QLabel>(QStringLiteral("lblGivenPositions"))->isHidden());
    Find<EphemerisMenu>(QStringLiteral("mnuEphemeris"))
        ->TakeGivenPositions(testing::RamanPositions());
    EXPECT_TRUE(Find<QAction>(QStringLiteral("mnuSwiss"))->isChecked());
    EXPECT_TRUE(Find<QAction>(QStringLiteral("mnuGivenPositions"))->isChecked());
    auto* line = Find<QLabel>(QStringLiteral("lblGivenPositions"));
    EXPECT_FALSE(line->isHidden());
    EXPECT_TRUE(line->text().startsWith(
        "Positions given in place of the ephemeris's: Sun 180:53:55, Moon 311:17:19"))
        << line->text().toStdString();

    const Calculation expected = testing::RamanCalculation();
    auto* tree = Find<QTreeWidget>(QStringLiteral("treShadbala"));
    const QTreeWidgetItem* total =
        tree->findItems(QStringLiteral("Total (virupas)"), Qt::MatchExactly).value(0);
    ASSERT_NE(total, nullptr);
    for (const PlanetShadbala& bala : expected.strengths->shadbala.planets) {
        EXPECT_EQ(total->text(bala.planet + 1).toStdString(), VirupasText(bala.virupas));
    }

    Find<EphemerisMenu>(QStringLiteral("mnuEphemeris"))->TakeGivenPositions(std::nullopt);
    EXPECT_TRUE(Find<QLabel>(QStringLiteral("lblGivenPositions"))->isHidden());
    EXPECT_FALSE(Find<QAction>(QStringLiteral("mnuGivenPositions"))->isChecked());
}

// Saved, the reading keeps its given positions on its 19th line; opened
// again after they were cleared, it brings them back to the menu and the
// line above the tabs.
TEST_F(GivenPositionsWindowTest, ASavedReadingKeepsThem) {
    const testing::ReadingFolder folder;
    EnterRamanBirth();
    Click("cmdCalculate");
    auto* menu = Find<EphemerisMenu>(QStringLiteral("mnuEphemeris"));
    menu->TakeGivenPositions(testing::RamanPositions());
    platform.dialogAnswers = {folder.PathOf("raman.dri"), folder.PathOf("raman.dri")};
    Trigger("mnuSaveReading");
    const std::string bytes = testing::ReadFileBytes(folder.PathOf("raman.dri"));
    EXPECT_EQ(ReadGivenPositionsLine(bytes), GivenPositionsText(testing::RamanPositions()));

    menu->TakeGivenPositions(std::nullopt);
    EXPECT_TRUE(Find<QLabel>(QStringLiteral("lblGivenPositions"))->isHidden());
    Trigger("mnuOpenReading");
    EXPECT_FALSE(Find<QLabel>(QStringLiteral("lblGivenPositions"))->isHidden());
    EXPECT_TRUE(Find<QAction>(QStringLiteral("mnuGivenPositions"))->isChecked());
    EXPECT_EQ(menu->Choice().given, testing::RamanPositions());
}

}  // namespace
}  // namespace sarovin
