#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>

#include "engine/julian_day.h"
#include "engine/moon_longitude.h"
#include "engine/moon_position.h"

namespace sarovin {
namespace {

// The worked series at T = 0: L' = 218.3164591, E = 1, the 25 terms sum to
// 4.9996438 and the longitude is 223.3161029.
TEST(MoonTropicalLongitude, MatchesTheSeriesAtJ2000) {
    const LunarArguments arguments = ComputeLunarArguments(0);
    EXPECT_EQ(arguments.moonMeanLongitude, 218.3164591);
    EXPECT_EQ(arguments.eccentricityFactor, 1.0);
    EXPECT_NEAR(MoonLongitudeTerms(arguments), 4.9996438, 5e-8);
    EXPECT_NEAR(MoonTropicalLongitude(0), 223.3161029, 5e-8);
}

// Worked edge case: at the ends of the offered years (T = -0.99, 0.51) the
// longitude lies within 9.156072 degrees, the sum of the coefficient
// magnitudes, of the mean longitude taken into one turn.
TEST(MoonTropicalLongitude, ReducesFromFarOutsideOneTurnAtBothEnds) {
    for (const double centuries : {-0.99, 0.51}) {
        const LunarArguments arguments = ComputeLunarArguments(centuries);
        const double longitude = MoonTropicalLongitude(centuries);
        EXPECT_GE(longitude, 0);
        EXPECT_LE(longitude, 360);
        double meanInTurn = std::fmod(arguments.moonMeanLongitude, 360);
        meanInTurn += meanInTurn < 0 ? 360 : 0;
        double gap = std::fabs(longitude - meanInTurn);
        gap = std::min(gap, 360 - gap);
        EXPECT_LE(gap, 9.156072) << centuries;
    }
}

// The reduction as repeated additions and subtractions of whole turns.
double ReduceByRepetition(double longitude) {
    while (longitude < 0) {
        longitude += 360;
    }
    while (longitude > 360) {
        longitude -= 360;
    }
    return longitude;
}

// The reduction as written, one turn at a time, is the reference for the
// engine's shortcut.
TEST(ReduceMoonLongitude, IsBitIdenticalToRepeatedTurns) {
    std::mt19937_64 generator(20261207);
    std::uniform_real_distribution<double> wide(-480000.0, 250000.0);
    std::uniform_real_distribution<double> nearZero(-400.0, 400.0);
    for (int i = 0; i < 200000; ++i) {
        const double value = i % 4 == 0 ? nearZero(generator) : wide(generator);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(ReduceMoonLongitude(value)),
                  std::bit_cast<std::uint64_t>(ReduceByRepetition(value)))
            << std::hexfloat << value;
    }
}

TEST(ReduceMoonLongitude, KeepsExactTurnsAndEdgesLikeRepetition) {
    const double edges[] = {0.0,
                            -0.0,
                            360.0,
                            720.0,
                            -360.0,
                            -720.0,
                            1e-300,
                            -1e-300,
                            -1e-17,
                            360.00001,
                            -359.9999,
                            245520.0,
                            -476280.0,
                            476280.0 + 1e-10,
                            std::nextafter(360.0, 0.0),
                            std::nextafter(360.0, 1000.0)};
    for (const double value : edges) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(ReduceMoonLongitude(value)),
                  std::bit_cast<std::uint64_t>(ReduceByRepetition(value)))
            << std::hexfloat << value;
    }
    EXPECT_EQ(ReduceMoonLongitude(720.0), 360.0);
}

// The worked Moon ayanamsa at T = 0: -23.8537257.
TEST(MoonAyanamsa, MatchesAtJ2000) {
    EXPECT_NEAR(MoonAyanamsaDegrees(0), -23.8537257, 5e-8);
}

BirthRecord Record(int year, int month, int day, int hour, int minute) {
    BirthRecord record;
    record.year = static_cast<std::int16_t>(year);
    record.month = static_cast<std::int16_t>(month);
    record.day = static_cast<std::int16_t>(day);
    record.hour = static_cast<std::int16_t>(hour);
    record.minute = static_cast<std::int16_t>(minute);
    return record;
}

// The three worked Moon births: 1 January 2000 12:00 UT, 15 June 1980 08:30
// at 5 h 30 min and 77°12' East (T = -0.1954654, longitude 112.7073800,
// ayanamsa -23.5812129), 31 December 1999 23:45 at 5 h, 74°00' West, with
// daylight saving.
TEST(ComputeMoonPosition, MatchesTheWorkedBirths) {
    BirthRecord atJ2000 = Record(2000, 1, 1, 12, 0);
    EXPECT_EQ(ComputeMoonPosition(atJ2000), "19\u00B0 27' 44\" Lib");

    BirthRecord delhi = Record(1980, 6, 15, 8, 30);
    delhi.zoneHoursAbs = 5;
    delhi.zoneMinutesAbs = 30;
    delhi.longitudeDegrees = 77;
    delhi.longitudeMinutes = 12;
    delhi.isEast = true;
    const double centuries = CenturiesSinceJ2000(JulianDayNumber(6, 15, 1980), 3.0);
    EXPECT_NEAR(MoonTropicalLongitude(centuries), 112.7073800, 5e-8);
    EXPECT_NEAR(MoonAyanamsaDegrees(centuries), -23.5812129, 5e-8);
    EXPECT_EQ(ComputeMoonPosition(delhi), "29\u00B0 7' 34\" Gem");

    BirthRecord newYork = Record(1999, 12, 31, 23, 45);
    newYork.zoneHoursAbs = 5;
    newYork.longitudeDegrees = 74;
    newYork.daylightSaving = true;
    EXPECT_EQ(ComputeMoonPosition(newYork), "15\u00B0 19' 11\" Lib");
}

TEST(ComputeMoonPosition, IgnoresTheLatitude) {
    BirthRecord north = Record(1980, 6, 15, 8, 30);
    BirthRecord south = north;
    south.latitudeDegrees = 45;
    south.latitudeMinutes = 30;
    south.isSouth = true;
    EXPECT_EQ(ComputeMoonPosition(north), ComputeMoonPosition(south));
}

// Worked cases: a tropical 10 degrees gives 10 - 23.85 + 360 = 346.15; the
// J2000 values 223.3161029 and -23.8537257 give 199.4623772.
TEST(SiderealMoonLongitude, WrapsWhenTheAyanamsaIsLarger) {
    EXPECT_NEAR(SiderealMoonLongitude(10, -23.85), 346.15, 1e-9);
    EXPECT_NEAR(SiderealMoonLongitude(223.3161029, -23.8537257), 199.4623772, 1e-9);
}

}  // namespace
}  // namespace sarovin
