#include "tables/zone_table.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace sarovin {
namespace {

// The offset from Universal Time that a label writes after its last comma,
// e.g. "Indian Time, IST, +5.3" or "Hawaiian Standard Time,HST,-10.5".
struct WrittenOffset {
    int sign;  // +1 ahead of Universal Time, -1 behind, 0 for "0.0"
    int hours;
    std::string fraction;  // the digits after the point, as written
};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

bool ReadWrittenOffset(std::string_view label, WrittenOffset& offset) {
    const std::size_t comma = label.rfind(',');
    if (comma == std::string_view::npos) {
        return false;
    }
    std::string_view text = Trimmed(label.substr(comma + 1));
    offset.sign = 0;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        offset.sign = text.front() == '+' ? 1 : -1;
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    if (point == 0 || point == std::string_view::npos || point + 1 == text.size()) {
        return false;
    }
    offset.hours = 0;
    for (const char digit : text.substr(0, point)) {
        if (digit < '0' || digit > '9') {
            return false;
        }
        offset.hours = offset.hours * 10 + (digit - '0');
    }
    offset.fraction = std::string(text.substr(point + 1));
    return true;
}

// How the 71 labels write the minutes after the point. Read together they
// settle it: ".5" is half an hour (Newfoundland -3.5, Iran +3.5, Australian
// Central +9.5 and +10.5), and the one ".3", Indian Time's "+5.3", is its
// five and a half hours written as "5:30" without the zero. No label writes
// any other fraction; one that did would fail below until read here.
int MinutesOfFraction(const std::string& fraction) {
    if (fraction == "0") {
        return 0;
    }
    if (fraction == "5" || fraction == "3") {
        return 30;
    }
    return -1;
}

TEST(ZoneLabelOffsets, EveryRowCorrectsItsClockByTheOffsetItsLabelWrites) {
    const ZoneTable& table = BuildZoneTable();
    ASSERT_EQ(table.rows.size(), 71u);
    int signedRows = 0;
    int halfHourRows = 0;
    for (std::size_t index = 0; index < table.rows.size(); ++index) {
        const ZoneRow& row = table.rows[index];
        SCOPED_TRACE("row " + std::to_string(index) + ": " + std::string(ZoneLabel(row)));
        WrittenOffset offset{};
        ASSERT_TRUE(ReadWrittenOffset(ZoneLabel(row), offset));
        const int minutes = MinutesOfFraction(offset.fraction);
        ASSERT_GE(minutes, 0) << "unknown fraction ." << offset.fraction;
        if (offset.sign == 0) {
            // Only a zero offset goes without a sign.
            EXPECT_EQ(offset.hours, 0);
            EXPECT_EQ(minutes, 0);
        }
        // What to add to the clock to reach Universal Time: the opposite of
        // the written offset, hours and minutes alike.
        EXPECT_EQ(row.hoursToUt, -offset.sign * offset.hours);
        EXPECT_EQ(row.minutesToUt, -offset.sign * minutes);
        EXPECT_EQ(row.hoursToUt * 60 + row.minutesToUt,
                  -offset.sign * (offset.hours * 60 + minutes));
        signedRows += offset.sign != 0 ? 1 : 0;
        halfHourRows += minutes != 0 ? 1 : 0;
    }
    // Greenwich Mean Time and Universal Time are the only unsigned labels;
    // seventeen labels carry half an hour.
    EXPECT_EQ(signedRows, 69);
    EXPECT_EQ(halfHourRows, 17);
}

TEST(ZoneLabelOffsets, ALabelIsFoundByItsRowOnlyInsideTheList) {
    const ZoneTable& table = BuildZoneTable();
    for (int index = 0; index < ZONE_COUNT; ++index) {
        EXPECT_EQ(ZoneLabelAt(index), ZoneLabel(table.rows[static_cast<std::size_t>(index)]))
            << index;
        EXPECT_FALSE(ZoneLabelAt(index).empty()) << index;
    }
    EXPECT_EQ(ZoneLabelAt(0), "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(ZoneLabelAt(70), "Yukon War Time,YWT,-8.0");
    for (int outside : {-1, 71, -71, 1000}) {
        EXPECT_TRUE(ZoneLabelAt(outside).empty()) << outside;
    }
}

}  // namespace
}  // namespace sarovin
