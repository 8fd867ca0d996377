#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "app/tabs/dasha_tab.h"

namespace sarovin {
namespace {

// 7 August 1963, 21:14 Indian Time (15:44 UT), 21°27' N 83°58' E: the
// published balance of Rahu, 0 years 0 months 13 days.
Calculation PublishedBirth(DashaYear year) {
    BirthRecord record;
    record.day = 7;
    record.month = 8;
    record.year = 1963;
    record.hour = 21;
    record.minute = 14;
    record.zoneHoursAbs = 5;
    record.zoneMinutesAbs = 30;
    record.zoneHoursToUt = -5;
    record.zoneMinutesToUt = -30;
    record.longitudeDegrees = 83;
    record.longitudeMinutes = 58;
    record.latitudeDegrees = 21;
    record.latitudeMinutes = 27;
    record.isEast = true;
    return *CompleteCalculation(record, 0, *ComputeSky(record, {Ephemeris::Swiss, LunarNode::Mean}),
                                CalculationScope{.dasha = year});
}

QString Texts(const QTreeWidgetItem* item) {
    return item->text(0) + " " + item->text(1) + " " + item->text(2);
}

// The lords of the bold items, depth first; each opened when it has parts.
void CollectRunning(const QTreeWidgetItem* item, QStringList& running) {
    if (item->font(0).bold()) {
        running << item->text(0);
        EXPECT_TRUE(item->childCount() == 0 || item->isExpanded()) << Texts(item).toStdString();
    }
    for (int index = 0; index < item->childCount(); ++index) {
        CollectRunning(item->child(index), running);
    }
}

// By hand from the Moon at 319.9743054 (swetest, see the dasha tests): Rahu's
// 0.034688 years, Jupiter's 16 and Saturn's 19 in sidereal years bring
// Mercury's Mahadasha on 1998-08-20 07:09 UT, 12:39 Indian Time. Its first
// Antardasha is Mercury's (2.408 years), whose Pratyantardashas of Mercury,
// Ketu, Venus, the Sun, the Moon and Mars end by 1999-12-24; on 1 January
// 2000, 12h UT, Rahu's runs.
TEST(DashaTab, TheTreeMarksThePeriodsRunningAndFollowsTheYearChosen) {
    DashaTab tab;
    tab.ShowCalculation(PublishedBirth(DashaYear::Sidereal), 2451545.0);
    auto* balance = tab.findChild<QLabel*>(QStringLiteral("lblDashaBalance"));
    EXPECT_EQ(balance->text(),
              "Balance at birth: N Node 0 years 0 months 13 days; dates in the birth's zone.");
    auto* tree = tab.findChild<QTreeWidget*>(QStringLiteral("treDasha"));
    ASSERT_EQ(tree->topLevelItemCount(), 10);
    QStringList running;
    for (int index = 0; index < tree->topLevelItemCount(); ++index) {
        CollectRunning(tree->topLevelItem(index), running);
    }
    EXPECT_EQ(running, (QStringList{"Mercury", "Mercury", "N Node"}));
    EXPECT_TRUE(tree->topLevelItem(3)->text(1).startsWith("1998-08-20 12:39"))
        << Texts(tree->topLevelItem(3)).toStdString();

    // Another year asks for the reading again and shows nothing computed
    // by the tab itself; the reading computed in it is shown with its year.
    auto* year = tab.findChild<QComboBox*>(QStringLiteral("cmbDashaYear"));
    int asked = 0;
    QObject::connect(&tab, &DashaTab::YearChanged, [&asked] { ++asked; });
    year->setCurrentIndex(2);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(tab.YearChosen(), DashaYear::Savana);
    EXPECT_EQ(balance->text(),
              "Balance at birth: N Node 0 years 0 months 13 days; dates in the birth's zone.");
    // 0.034688 savana years are 12.49 days.
    tab.ShowCalculation(PublishedBirth(DashaYear::Savana), 2451545.0);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(year->currentIndex(), 2);
    EXPECT_EQ(balance->text(),
              "Balance at birth: N Node 0 years 0 months 12 days; dates in the birth's zone.");
}

}  // namespace
}  // namespace sarovin
