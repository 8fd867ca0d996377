#include "form/record_filling.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "form/birth_summary.h"
#include "form/list_items.h"
#include "tests/support/sample_forms.h"

namespace sarovin {
namespace {

struct ZoneCase {
    int position;
    int hoursAbs;
    int minutesAbs;
    int hoursToUt;
    int minutesToUt;
};

TEST(FillBirthRecord, CopiesTheZoneCorrectionsWithAndWithoutSign) {
    const ZoneCase cases[] = {
        {34, 5, 30, -5, -30}, {50, 3, 30, 3, 30}, {27, 5, 0, 5, 0},
        {46, 13, 0, -13, 0},  {36, 12, 0, 12, 0}, {70, 8, 0, 8, 0},
    };
    for (const ZoneCase& c : cases) {
        InputForm form = testing::AshaRaoForm();
        form.zonePosition = c.position;
        const BirthRecord record = FillBirthRecord(form, {});
        EXPECT_EQ(record.zoneHoursAbs, c.hoursAbs) << c.position;
        EXPECT_EQ(record.zoneMinutesAbs, c.minutesAbs) << c.position;
        EXPECT_EQ(record.zoneHoursToUt, c.hoursToUt) << c.position;
        EXPECT_EQ(record.zoneMinutesToUt, c.minutesToUt) << c.position;
    }
}

// An exact offset replaces the row and the tick; the built-in ephemeris
// gets it in whole minutes, as corrections of one sign: by hand, +5:45 is
// 5 h 45 min to take off, +5:21:10 rounds to 5 h 21 min, +5:21:30 to
// 5 h 22 min, -3:30 is 3 h 30 min to add.
TEST(FillBirthRecord, AnExactOffsetReplacesTheRowAndTheTickInWholeMinutes) {
    struct Case {
        const char* utcOffset;
        const char* offsetZone;
        int seconds;
        int hoursToUt;
        int minutesToUt;
    };
    const Case cases[] = {
        {"+05:45", "Asia/Kathmandu", 20700, -5, -45},
        {"+05:21:10", "", 19270, -5, -21},
        {"+05:21:30", "", 19290, -5, -22},
        {"-03:30", "", -12600, 3, 30},
        {"-00:00:30", "", -30, 0, 1},
    };
    for (const Case& c : cases) {
        InputForm form = testing::AshaRaoForm();
        form.daylightSaving = true;
        form.utcOffset = c.utcOffset;
        form.offsetZone = c.offsetZone;
        const BirthRecord record = FillBirthRecord(form, {});
        ASSERT_TRUE(record.exactOffset) << c.utcOffset;
        EXPECT_EQ(record.exactOffset->seconds, c.seconds) << c.utcOffset;
        EXPECT_EQ(record.exactOffset->source,
                  *c.offsetZone == '\0' ? OffsetSource::Typed : OffsetSource::Atlas);
        EXPECT_EQ(record.exactOffset->ianaZone, c.offsetZone);
        EXPECT_EQ(record.zoneHoursToUt, c.hoursToUt) << c.utcOffset;
        EXPECT_EQ(record.zoneMinutesToUt, c.minutesToUt) << c.utcOffset;
        EXPECT_EQ(record.zoneHoursAbs, std::abs(c.hoursToUt)) << c.utcOffset;
        EXPECT_EQ(record.zoneMinutesAbs, std::abs(c.minutesToUt)) << c.utcOffset;
        EXPECT_FALSE(record.daylightSaving) << c.utcOffset;
    }
    EXPECT_EQ(FillBirthRecord(testing::AshaRaoForm(), {}).exactOffset, std::nullopt);
}

TEST(FillBirthRecord, TakesTheStartUpChoicesAndTheListTexts) {
    InputForm form = testing::AshaRaoForm();
    form.dayPosition = form.monthPosition = form.yearPosition = 0;
    form.hourPosition = form.minutePosition = 0;
    const BirthRecord startUp = FillBirthRecord(form, {});
    EXPECT_EQ(startUp.day, 1);
    EXPECT_EQ(startUp.month, 1);
    EXPECT_EQ(startUp.year, 1901);
    EXPECT_EQ(startUp.hour, 0);
    EXPECT_TRUE(startUp.isEast);
    EXPECT_FALSE(startUp.isSouth);
    EXPECT_FALSE(startUp.daylightSaving);

    form.dayPosition = 30;
    form.monthPosition = 11;
    form.yearPosition = LAST_YEAR - FIRST_YEAR;
    form.hourPosition = 23;
    form.minutePosition = 59;
    form.longitudeHemisphere = LongitudeHemisphere::West;
    form.latitudeHemisphere = LatitudeHemisphere::South;
    form.daylightSaving = true;
    const BirthRecord record = FillBirthRecord(form, {});
    EXPECT_EQ(record.day, 31);
    EXPECT_EQ(record.month, 12);
    EXPECT_EQ(record.year, 2050);
    EXPECT_EQ(record.hour, 23);
    EXPECT_EQ(record.minute, 59);
    EXPECT_FALSE(record.isEast);
    EXPECT_TRUE(record.isSouth);
    EXPECT_TRUE(record.daylightSaving);
    EXPECT_EQ(record.longitudeDegrees, 77);
    EXPECT_EQ(record.latitudeMinutes, 36);
}

TEST(FillBirthRecord, KeepsTheNameButTrimsThePlace) {
    InputForm form = testing::AshaRaoForm();
    form.name = "   ";
    form.city = "  New Delhi  ";
    const BirthRecord record = FillBirthRecord(form, {});
    EXPECT_EQ(record.name, "   ");
    EXPECT_EQ(record.city, "New Delhi");
}

TEST(FillBirthRecord, AnUnconvertibleTextKeepsThePreviousValue) {
    BirthRecord previous;
    previous.longitudeDegrees = 42;
    previous.latitudeDegrees = 7;
    InputForm form = testing::AshaRaoForm();
    form.longitudeDegrees = "ab";
    form.latitudeDegrees = "99999";
    const BirthRecord record = FillBirthRecord(form, previous);
    EXPECT_EQ(record.longitudeDegrees, 42);
    EXPECT_EQ(record.latitudeDegrees, 7);
    EXPECT_EQ(record.longitudeMinutes, 12);
}

TEST(FillBirthRecord, TakesLatitudeAsTyped) {
    InputForm form = testing::AshaRaoForm();
    form.latitudeDegrees = "999";
    form.latitudeMinutes = "75";
    const BirthRecord record = FillBirthRecord(form, {});
    EXPECT_EQ(record.latitudeDegrees, 999);
    EXPECT_EQ(record.latitudeMinutes, 75);
}

// The offset a birth's clock kept ahead of UT, which the transit times in
// the birth's zone add: India's row takes 5:30 off the clock to reach UT,
// so its clock is 5:30 (19,800 s) ahead, and 6:30 with daylight saving;
// a zone west of Greenwich is behind.
TEST(UtcOffsetSeconds, IsHowFarTheBirthsClockRanAheadOfUniversalTime) {
    const struct {
        int hoursToUt;
        int minutesToUt;
        bool daylightSaving;
        int seconds;
    } cases[] = {
        {-5, -30, false, 19800},
        {-5, -30, true, 23400},
        {5, 0, false, -18000},
        {0, 0, true, 3600},
    };
    for (const auto& c : cases) {
        BirthRecord record;
        record.zoneHoursToUt = static_cast<std::int16_t>(c.hoursToUt);
        record.zoneMinutesToUt = static_cast<std::int16_t>(c.minutesToUt);
        record.daylightSaving = c.daylightSaving;
        EXPECT_EQ(UtcOffsetSeconds(record), c.seconds) << c.hoursToUt << ":" << c.minutesToUt;
    }
}

}  // namespace
}  // namespace sarovin
