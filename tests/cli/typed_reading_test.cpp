#include "cli/typed_reading.h"

#include <tuple>

#include <gtest/gtest.h>

#include "form/typed_birth_record.h"
#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

TypedBirth BirthOn(int year, int month, int day) {
    TypedBirth birth;
    birth.year = year;
    birth.month = month;
    birth.day = day;
    birth.isEast = true;
    return birth;
}

TEST(RecordOfTypedBirth, TakesTheNumbersAtTheListsEnds) {
    TypedBirth last = BirthOn(2050, 12, 31);
    last.hour = 23;
    last.minute = 59;
    last.zone = 70;
    const Result<BirthRecord> record = RecordOfTypedBirth(last);
    ASSERT_TRUE(record);
    EXPECT_EQ(std::tie(record->day, record->month, record->year, record->hour, record->minute),
              std::make_tuple(31, 12, 2050, 23, 59));
    EXPECT_EQ(ZonePositionOf(last), 70);
    EXPECT_EQ(ZonePositionOf(BirthOn(1901, 1, 1)), 0);
}

TEST(ReadingFromTypedBirth, OnlyImpossibleDatesAreRefused) {
    struct Case {
        int year;
        int month;
        int day;
        const char* error;
    };
    const Case cases[] = {
        {2001, 2, 29, "Please Enter Correct Date Or Month!"},
        {2000, 2, 30, "Please Enter Correct Date Or Month!"},
        {2000, 2, 29, ""},
        {1904, 2, 29, ""},
        {2001, 4, 31, "Please Enter Correct Date Or Month !"},
        {2001, 6, 31, "Please Enter Correct Date Or Month !"},
        {2001, 9, 31, "Please Enter Correct Date Or Month !"},
        {2001, 11, 31, "Please Enter Correct Date Or Month !"},
        {2001, 4, 30, ""},
        {2001, 5, 31, ""},
        {2001, 12, 31, ""},
    };
    for (const Case& c : cases) {
        const Result<ReportedReading> outcome =
            ReadingFromTypedBirth(BirthOn(c.year, c.month, c.day), {}, {});
        EXPECT_EQ(testing::RefusalOf(outcome), c.error) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(outcome.has_value(), std::string(c.error).empty());
    }
}

TEST(ReadingFromTypedBirth, FillsTheRecordAsTheWindowDoes) {
    TypedBirth birth = BirthOn(1980, 6, 15);
    birth.hour = 8;
    birth.minute = 30;
    birth.zone = 34;
    birth.longitude = {77, 12};
    birth.latitude = {28, 36};
    birth.isSouth = true;
    birth.daylightSaving = true;
    birth.city = "  New Delhi ";
    const Result<ReportedReading> outcome = ReadingFromTypedBirth(birth, {}, {});
    ASSERT_TRUE(outcome);
    BirthRecord expected = testing::AshaRaoBirth();
    expected.zoneHoursAbs = 5;
    expected.zoneMinutesAbs = 30;
    expected.zoneHoursToUt = -5;
    expected.zoneMinutesToUt = -30;
    expected.isSouth = true;
    expected.daylightSaving = true;
    // The window trims the places; nothing stands in for the empty texts.
    expected.name.clear();
    expected.state.clear();
    expected.country.clear();
    EXPECT_EQ(outcome->calculation.record, expected);
    EXPECT_EQ(outcome->calculation.zonePosition, 34);
    EXPECT_EQ(outcome->source, "");
}

}  // namespace
}  // namespace sarovin
