#include "calculation/engine_agreement.h"

#include <gtest/gtest.h>

#include <random>

#include "calculation/calculation.h"

namespace sarovin {
namespace {

// Madrid, 22 January 1975 12:00 on Central European Time (row 20),
// 40°25' N 3°42' W. The built-in Moon is 00 Tau 44 (Vrishabha), as
//   python3 tests/reference/builtin_positions.py 1975-01-22,12:00,-1,0,3W42
// re-derives it; the Swiss Ephemeris puts it at 29.6689° (Mesha):
//   swetest -b22.1.1975 -ut11:00 -p1 -sid1 -fPl -head -eswe
//     -edir/usr/share/libswe/ephe
// Every other body shares its sign in both, and at 23:00 (22:00 UT) all
// nine do (the same two commands, 23:00 and -ut22:00).
InputForm MadridForm() {
    InputForm form;
    form.name = "Madrid";
    form.dayPosition = 21;
    form.monthPosition = 0;
    form.yearPosition = 1975 - 1901;
    form.hourPosition = 12;
    form.zonePosition = 20;
    form.latitudeDegrees = "40";
    form.latitudeMinutes = "25";
    form.longitudeDegrees = "3";
    form.longitudeMinutes = "42";
    form.longitudeHemisphere = LongitudeHemisphere::West;
    form.city = form.state = form.country = "Madrid";
    return form;
}

TEST(PrecisionWarnings, NameEachBodyTheSwissEphemerisPutsInAnotherSign) {
    const Result<Calculation> builtIn = ComputeForm(MadridForm(), {}, {}, {});
    ASSERT_TRUE(builtIn);
    EXPECT_EQ(
        builtIn->precisionWarnings,
        std::vector<std::string>{"The Swiss Ephemeris puts the Moon in Mesha, not Vrishabha"});
    const Result<Calculation> swiss =
        ComputeForm(MadridForm(), {}, {Ephemeris::Swiss, LunarNode::Mean}, {});
    ASSERT_TRUE(swiss);
    EXPECT_TRUE(swiss->precisionWarnings.empty());
    InputForm hourLater = MadridForm();
    hourLater.hourPosition = 23;
    EXPECT_TRUE(ComputeForm(hourLater, {}, {}, {})->precisionWarnings.empty());
}

// A birth anywhere from 1901 to 2050 on any zone, with or without
// daylight saving, east or west, where the two ephemerides read the sky at
// different moments.
BirthRecord RandomBirth(std::mt19937& random) {
    BirthRecord record;
    record.year = static_cast<std::int16_t>(1901 + random() % 150);
    record.month = static_cast<std::int16_t>(1 + random() % 12);
    record.day = static_cast<std::int16_t>(1 + random() % 28);
    record.hour = static_cast<std::int16_t>(random() % 24);
    record.minute = static_cast<std::int16_t>(random() % 60);
    const int zoneHours = static_cast<int>(random() % 13);
    const bool zoneEast = random() % 2 == 0;
    record.zoneHoursAbs = static_cast<std::int16_t>(zoneHours);
    record.zoneHoursToUt = static_cast<std::int16_t>(zoneEast ? -zoneHours : zoneHours);
    record.isEast = random() % 2 == 0;
    record.longitudeDegrees = static_cast<std::int16_t>(random() % 180);
    record.latitudeDegrees = static_cast<std::int16_t>(random() % 60);
    record.daylightSaving = random() % 4 == 0;
    return record;
}

// The check asks the Swiss Ephemeris only about bodies that may stand in
// another sign; at births other than those its departures were fitted to,
// it must name every body the whole Swiss sky puts in another sign.
TEST(PrecisionWarnings, NameAsManyBodiesAsTheWholeSwissSky) {
    std::mt19937 random(20261208);
    int disagreements = 0;
    for (int birth = 0; birth < 4000; ++birth) {
        const BirthRecord record = RandomBirth(random);
        const Result<Sky> builtIn = ComputeSky(record, {});
        const Result<Sky> swiss = ComputeSky(record, {Ephemeris::Swiss, LunarNode::Mean});
        ASSERT_TRUE(builtIn && swiss);
        std::size_t inAnotherSign = 0;
        for (std::size_t slot = 0; slot < BODY_COUNT; ++slot) {
            inAnotherSign +=
                builtIn->bodies.entries[slot].place.sign != swiss->bodies.entries[slot].place.sign;
        }
        disagreements += static_cast<int>(inAnotherSign);
        EXPECT_EQ(PrecisionWarnings(record, *builtIn).size(), inAnotherSign)
            << record.year << '-' << record.month << '-' << record.day << ' ' << record.hour;
    }
    EXPECT_GT(disagreements, 500);
}

}  // namespace
}  // namespace sarovin
