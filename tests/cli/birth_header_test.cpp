#include "output/birth_header.h"

#include <gtest/gtest.h>

#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

ReportedReading Reading(const BirthRecord& record, int zonePosition) {
    return {"", Calculation{record, zonePosition, {}, {}}, {}};
}

TEST(BirthHeaderLine, NamesThePersonTheMomentAndThePlace) {
    EXPECT_EQ(BirthHeaderLine(Reading(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE)),
              "Asha Rao — 15 June 1980 08:30, Indian Time, IST, +5.3, 77°12' E, 28°36' N, "
              "New Delhi, Delhi, India");
}

TEST(BirthHeaderLine, ShowsDaylightSavingAndTheOtherHemispheres) {
    BirthRecord record = testing::AshaRaoBirth();
    record.daylightSaving = true;
    record.isEast = false;
    record.isSouth = true;
    record.longitudeDegrees = 122;
    record.longitudeMinutes = 5;
    record.latitudeDegrees = 7;
    record.latitudeMinutes = 0;
    record.day = 9;
    record.month = 12;
    record.hour = 0;
    record.minute = 7;
    EXPECT_EQ(BirthHeaderLine(Reading(record, 54)),
              "Asha Rao — 9 December 1980 00:07, Pacific Standard Time,PST,-8.0, daylight saving, "
              "122°05' W, 7°00' S, New Delhi, Delhi, India");
}

TEST(BirthHeaderLine, LeavesOutAnEmptyNameAndEmptyPlaces) {
    BirthRecord record = testing::GreenwichNoonBirth();
    record.name.clear();
    record.city.clear();
    record.country.clear();
    EXPECT_EQ(BirthHeaderLine(Reading(record, 61)),
              "1 January 2000 12:00, Universal Time, UT, 0.0, 0°00' W, 51°28' N, London");
    record.state.clear();
    EXPECT_EQ(BirthHeaderLine(Reading(record, 61)),
              "1 January 2000 12:00, Universal Time, UT, 0.0, 0°00' W, 51°28' N");
}

TEST(BirthHeaderLine, ShowsControlCharactersOfAFileAsQuestionMarks) {
    BirthRecord record = testing::AshaRaoBirth();
    // A line feed, an escape sequence and a C1 control, as unscrambling can give.
    record.name = "Asha\nEvil \x1b[31mRED";
    record.city = "New\x7f Delhi\xC2\x9B";
    record.state = "D\xC3\xA9lhi";
    EXPECT_EQ(BirthHeaderLine(Reading(record, testing::INDIAN_TIME_ZONE)),
              "Asha?Evil ?[31mRED — 15 June 1980 08:30, Indian Time, IST, +5.3, 77°12' E, "
              "28°36' N, New? Delhi?, D\xC3\xA9lhi, India");
}

}  // namespace
}  // namespace sarovin
