#include <QLabel>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "app/tabs/ashtakavarga_tab.h"

namespace sarovin {
namespace {

// 6 February 1911, 02:04 at UTC-6:00, 41°38' N 89°47' W, Lahiri: the
// published chart, whose Sun's Bhinna row is 4 2 3 4 6 5 5 3 2 6 6 2 (48)
// and Sarva row 27 24 25 26 34 35 31 28 26 26 34 21 (337).
Calculation PublishedChart(const EphemerisChoice& choice) {
    BirthRecord record;
    record.day = 6;
    record.month = 2;
    record.year = 1911;
    record.hour = 2;
    record.minute = 4;
    record.zoneHoursAbs = 6;
    record.zoneHoursToUt = 6;
    record.longitudeDegrees = 89;
    record.longitudeMinutes = 47;
    record.latitudeDegrees = 41;
    record.latitudeMinutes = 38;
    record.isEast = false;
    return *CompleteCalculation(record, 0, *ComputeSky(record, choice),
                                {.ashtakavarga = AshtakavargaTables::Parashara});
}

QStringList RowTexts(const QTableWidget& table, int row) {
    QStringList texts;
    for (int column = 0; column < table.columnCount(); ++column) {
        texts << table.item(row, column)->text();
    }
    return texts;
}

TEST(AshtakavargaTab, TheTableShowsTheBhinnaAndSarvaRowsWithTheTablesNamed) {
    AshtakavargaTab tab;
    tab.ShowCalculation(PublishedChart({Ephemeris::Swiss, LunarNode::Mean}));
    auto* table = tab.findChild<QTableWidget*>(QStringLiteral("tblAshtakavarga"));
    ASSERT_EQ(table->rowCount(), 9);
    EXPECT_EQ(table->verticalHeaderItem(0)->text(), "Sun");
    EXPECT_EQ(table->verticalHeaderItem(7)->text(), "Lagna");
    EXPECT_EQ(table->verticalHeaderItem(8)->text(), "Sarva");
    EXPECT_EQ(RowTexts(*table, 0).join(' '), "4 2 3 4 6 5 5 3 2 6 6 2 48");
    EXPECT_EQ(RowTexts(*table, 8).join(' '), "27 24 25 26 34 35 31 28 26 26 34 21 337");
    EXPECT_TRUE(tab.findChild<QLabel*>(QStringLiteral("lblAshtakavargaTables"))
                    ->text()
                    .startsWith("Parashara's tables"));
    // The built-in ephemeris gives no Lagna, so no table.
    tab.ShowCalculation(PublishedChart({}));
    EXPECT_EQ(table->item(0, 0), nullptr);
}

}  // namespace
}  // namespace sarovin
