#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "drishti/drishti_report.h"

namespace sarovin {
namespace {

// The sentences of every tab written out plainly from the body table of a
// reading, word by word, to hold the captions the reading made against.
const std::array<const char*, BODY_COUNT> ENGLISH = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "N Node", "S Node"};
const std::array<const char*, BODY_COUNT> SANSKRIT = {
    "Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru", "Shani", "Rahu", "Ketu"};
const std::array<const char*, 12> SIGNS = {"Mesha",  "Vrishabha", "Mithuna", "Kataka",
                                           "Simha",  "Kanya",     "Thula",   "Vrischika",
                                           "Dhanus", "Makara",    "Kumbha",  "Meena"};
const std::array<const char*, 12> SIGN_LETTERS = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                                  "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

std::string ShortPosition(const SignDms& place) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d %s %02d", place.degrees, SIGN_LETTERS[place.sign],
                  place.minutes);
    return text;
}

std::vector<int> GrahaHouses(int body) {
    switch (body) {
        case Mars:
            return {4, 7, 8};
        case Jupiter:
            return {5, 7, 9};
        case Saturn:
            return {3, 7, 10};
        default:
            return {7};
    }
}

// Movable, fixed and mixed signs follow one another from Mesha on.
bool SameModality(int sign, int other) {
    return sign % 3 == other % 3;
}

DrishtiRow ExpectedGrahaRow(const BodyTable& table, int body) {
    const std::string name = ENGLISH[body];
    std::vector<std::string> signs;
    std::vector<std::string> planets;
    Aspected named;
    for (const int house : GrahaHouses(body)) {
        const int aspected = (table.entries[body].place.sign + house - 1) % 12;
        signs.push_back(SIGNS[aspected]);
        named.signs.set(aspected);
        for (int other = Sun; other <= NNode; ++other) {
            if (table.entries[other].place.sign == aspected) {
                planets.push_back(ENGLISH[other]);
                named.bodies.set(other);
            }
        }
    }
    return {name + " / " + SANSKRIT[body], table.entries[body].position,
            "Sign aspected by " + name + " is " + Joined(signs) + ".",
            planets.empty() ? "Planet " + name + " has no Graha Drishti."
                            : "Planet(s) aspected by " + name + " is " + Joined(planets) + ".",
            named};
}

DrishtiRow ExpectedRashiRow(const BodyTable& table, int body) {
    const std::string name = ENGLISH[body];
    std::vector<std::string> signs;
    std::vector<std::string> planets;
    Aspected named;
    const int own = table.entries[body].place.sign;
    for (int sign = 0; sign < 12 && body <= Saturn; ++sign) {
        if (sign == own || !SameModality(sign, own)) {
            continue;
        }
        signs.push_back(SIGNS[sign]);
        named.signs.set(sign);
        for (int other = Sun; other <= Saturn; ++other) {
            if (table.entries[other].place.sign == sign) {
                planets.push_back(ENGLISH[other]);
                named.bodies.set(other);
            }
        }
    }
    return {name + " / " + SANSKRIT[body], table.entries[body].position,
            name + " is aspecting by Rashi Drishti of " + Joined(signs) + ".",
            planets.empty() ? "Planet " + name + " has no Rashi Drishti."
                            : name + " has Graha Drishti on " + Joined(planets) + ".",
            named};
}

void ExpectSameRow(const DrishtiRow& row, const DrishtiRow& expected) {
    ASSERT_EQ(row.bodyCaption, expected.bodyCaption);
    ASSERT_EQ(row.positionCaption, expected.positionCaption);
    ASSERT_EQ(row.aspectCaption, expected.aspectCaption);
    ASSERT_EQ(row.planetsCaption, expected.planetsCaption);
    ASSERT_EQ(row.aspected.signs, expected.aspected.signs);
    ASSERT_EQ(row.aspected.bodies, expected.aspected.bodies);
}

class GeneratedBirths : public ::testing::Test {
  protected:
    // Any day of 1901 to 2050 at any minute, in a zone of whole or quarter
    // hours, anywhere.
    BirthRecord NextBirth() {
        BirthRecord record;
        record.year = Pick(1901, 2050);
        record.month = Pick(1, 12);
        record.day = Pick(1, 28);
        record.hour = Pick(0, 23);
        record.minute = Pick(0, 59);
        const int hours = Pick(-12, 12);
        const int minutes = 15 * Pick(0, 3) * (hours < 0 ? -1 : 1);
        record.zoneHoursToUt = static_cast<std::int16_t>(hours);
        record.zoneMinutesToUt = static_cast<std::int16_t>(minutes);
        record.zoneHoursAbs = static_cast<std::int16_t>(std::abs(hours));
        record.zoneMinutesAbs = static_cast<std::int16_t>(std::abs(minutes));
        record.longitudeDegrees = Pick(0, 179);
        record.longitudeMinutes = Pick(0, 59);
        record.latitudeDegrees = Pick(0, 89);
        record.latitudeMinutes = Pick(0, 59);
        record.isEast = Pick(0, 1) == 1;
        record.isSouth = Pick(0, 1) == 1;
        record.daylightSaving = Pick(0, 1) == 1;
        return record;
    }

  private:
    std::int16_t Pick(int lowest, int highest) {
        return static_cast<std::int16_t>(
            std::uniform_int_distribution<int>(lowest, highest)(generator_));
    }

    std::mt19937 generator_{1901};
};

constexpr int BIRTHS = 3000;

TEST_F(GeneratedBirths, BodyEntriesCarryTheSlotNamesAndTheShortPosition) {
    for (int i = 0; i < BIRTHS; ++i) {
        const BodyTable table = ComputeBodyTable(NextBirth());
        for (int body = 0; body < BODY_COUNT; ++body) {
            const BodyEntry& entry = table.entries[body];
            ASSERT_EQ(entry.englishName, ENGLISH[body]);
            ASSERT_EQ(entry.vedicName, SANSKRIT[body]);
            ASSERT_EQ(entry.position, ShortPosition(entry.place)) << entry.longitude;
        }
    }
}

TEST_F(GeneratedBirths, GrahaAndRashiRowsReadAsTheirSentences) {
    for (int i = 0; i < BIRTHS; ++i) {
        const BodyTable table = ComputeBodyTable(NextBirth());
        const DrishtiReport report = ComputeDrishtiReport(table);
        for (int body = 0; body < GRAHA_ROWS; ++body) {
            ASSERT_NO_FATAL_FAILURE(
                ExpectSameRow(report.graha[body], ExpectedGrahaRow(table, body)));
        }
        for (int body = 0; body < RASHI_ROWS; ++body) {
            ASSERT_NO_FATAL_FAILURE(
                ExpectSameRow(report.rashi[body], ExpectedRashiRow(table, body)));
        }
    }
}

TEST_F(GeneratedBirths, SputaCaptionsNameEachBodyAndItsPosition) {
    for (int i = 0; i < BIRTHS; ++i) {
        const BodyTable table = ComputeBodyTable(NextBirth());
        const DrishtiReport report = ComputeDrishtiReport(table);
        for (int body = 0; body < BODY_COUNT; ++body) {
            ASSERT_EQ(report.sputa.rowCaptions[body],
                      std::string(ENGLISH[body]) + "/" + SANSKRIT[body]);
            ASSERT_EQ(report.sputa.columnCaptions[body], ENGLISH[body]);
            ASSERT_EQ(report.sputa.positionCaptions[body], table.entries[body].position);
        }
    }
}

}  // namespace
}  // namespace sarovin
