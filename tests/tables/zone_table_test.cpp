#include "tables/zone_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace sarovin {
namespace {

struct ZoneCase {
    int index;
    const char* label;
    int hoursToUt;
    int minutesToUt;
};

TEST(ZoneTable, RowsCarryTheirLabelsAndCorrections) {
    const ZoneCase cases[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        {11, "Azores Time, AT, -2.0", 2, 0},
        {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
        {32, "Hawaiian Standard Time,HST,-10.5", 10, 30},
        {34, "Indian Time, IST, +5.3", -5, -30},
        {35, "Int'l Date Line East,IDLE,+12.0", -12, 0},
        {36, "Int'l Date Line West,IDLW,-12.0", 12, 0},
        {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        {48, "New Zealand Summer Time,NZS,+12.5", -12, -30},
        {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
        {52, "North Sumatra Time,NST,+6.5", -6, -30},
        {56, "South Australia Daylight Time,SAD,+10.5", -10, -30},
        {57, "South Australia Daylight Time,SDT,+10.5", -10, -30},
        {61, "Universal Time, UT, 0.0", 0, 0},
        {70, "Yukon War Time,YWT,-8.0", 8, 0},
    };
    const ZoneTable& table = BuildZoneTable();
    for (const ZoneCase& c : cases) {
        const ZoneRow& row = table.rows[static_cast<std::size_t>(c.index)];
        EXPECT_EQ(ZoneLabel(row), c.label) << c.index;
        EXPECT_EQ(row.hoursToUt, c.hoursToUt) << c.index;
        EXPECT_EQ(row.minutesToUt, c.minutesToUt) << c.index;
    }
}

TEST(ZoneTable, CorrectionsAreWithinAZoneAndShareTheirSign) {
    std::set<std::string> labels;
    for (const ZoneRow& row : BuildZoneTable().rows) {
        EXPECT_GE(row.hoursToUt, -13);
        EXPECT_LE(row.hoursToUt, 12);
        EXPECT_TRUE(row.minutesToUt == 0 || row.minutesToUt == 30 || row.minutesToUt == -30);
        EXPECT_GE(row.hoursToUt * row.minutesToUt, 0) << ZoneLabel(row);
        labels.insert(std::string(ZoneLabel(row)));
    }
    EXPECT_EQ(labels.size(), 71u);
}

}  // namespace
}  // namespace sarovin
