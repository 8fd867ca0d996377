#include "places/place_filling.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

struct FillingCase {
    Place place;
    const char* city;
    const char* state;
    const char* latitude;  // "DEG:MIN hemisphere"
    const char* longitude;
};

std::string AngleOf(const std::string& degrees, const std::string& minutes, bool first,
                    char firstLetter, char secondLetter) {
    return degrees + ":" + minutes + " " + (first ? firstLetter : secondLetter);
}

// Degrees times 60, rounded by hand: 23.18239 * 60 = 1390.94 -> 23°11'.
TEST(FillPlace, WritesLettersTheBoxesTakeAndRoundsToTheMinute) {
    const FillingCase cases[] = {
        {{"Ujjain", "Madhya Pradesh", "India", "IN", 23.18239, 75.77643, "Asia/Kolkata", 0},
         "Ujjain",
         "Madhya Pradesh",
         "23:11 N",
         "75:47 E"},
        {{"São Paulo", "São Paulo", "Brazil", "BR", -23.5475, -46.63611, "America/Sao_Paulo", 0},
         "Sao Paulo",
         "Sao Paulo",
         "23:33 S",
         "46:38 W"},
        {{"Saint-Étienne", "Auvergne-Rhône-Alpes", "France", "FR", 45.43389, 4.39, "Europe/Paris",
          0},
         "Saint Etienne",
         "Auvergne Rhone Alpes",
         "45:26 N",
         "4:23 E"},
        // Every letter of the Latin alphabet, lower- and upper-case, is kept:
        // 41.65606 * 60 = 2499.36 -> 41°39'; 0.87734 * 60 = 52.64 -> 0°53'.
        {{"Zaragoza", "Aragon", "Spain", "ES", 41.65606, -0.87734, "Europe/Madrid", 0},
         "Zaragoza",
         "Aragon",
         "41:39 N",
         "0:53 W"},
        // 10.999999° is 659.99994' and rounds up into the next degree.
        {{"Edge", "", "Nowhere", "", 10.999999, -0.0001, "UTC", 0}, "Edge", "", "11:0 N", "0:0 W"},
    };
    for (const FillingCase& c : cases) {
        InputForm form;
        FillPlace(c.place, form);
        EXPECT_EQ(form.city, c.city);
        EXPECT_EQ(form.state, c.state);
        EXPECT_EQ(AngleOf(form.latitudeDegrees, form.latitudeMinutes,
                          form.latitudeHemisphere == LatitudeHemisphere::North, 'N', 'S'),
                  c.latitude)
            << c.city;
        EXPECT_EQ(AngleOf(form.longitudeDegrees, form.longitudeMinutes,
                          form.longitudeHemisphere == LongitudeHemisphere::East, 'E', 'W'),
                  c.longitude)
            << c.city;
    }
}

// Every proposal settles the row and tick, or the exact offset, afresh,
// or marks the zone unsettled: nothing of an earlier date stays in force.
TEST(ApplyZoneProposal, SettlesTheZoneOrSaysItIsNot) {
    ZoneProposal row;
    row.zoneRow = 34;
    row.note = "IST";
    ZoneProposal exact;
    exact.exactOffset = 20700;
    ZoneProposal repeated;
    repeated.repeated = {row, row};
    ZoneProposal missing;
    missing.note = "did not exist";
    struct Case {
        ZoneProposal proposal;
        int zonePosition;
        bool daylightSaving;
        std::string utcOffset, offsetZone, unsettled;
    };
    const Case cases[] = {
        {row, 34, false, "", "", ""},
        {exact, 5, false, "+05:45", "Asia/Kathmandu", ""},
        {repeated, 5, true, "+06:00", "Asia/Dhaka", std::string(CHOOSE_REPEATED_TIME)},
        {missing, 5, true, "+06:00", "Asia/Dhaka", "did not exist. Choose the time zone by hand."},
    };
    for (const Case& c : cases) {
        InputForm form;
        form.zonePosition = 5;
        form.daylightSaving = true;
        form.utcOffset = "+06:00";
        form.offsetZone = "Asia/Dhaka";
        form.zoneUnsettled = "earlier";
        ApplyZoneProposal(c.proposal, "Asia/Kathmandu", form);
        EXPECT_EQ(form.zonePosition, c.zonePosition) << c.utcOffset;
        EXPECT_EQ(form.daylightSaving, c.daylightSaving) << c.utcOffset;
        EXPECT_EQ(form.utcOffset, c.utcOffset);
        EXPECT_EQ(form.offsetZone, c.offsetZone);
        EXPECT_EQ(form.zoneUnsettled, c.unsettled);
    }
}

TEST(ProposeZoneFor, ReadsTheDateAndClockTimeOffThePanel) {
    InputForm form;
    form.yearPosition = 1980 - 1901;
    form.monthPosition = 5;
    form.dayPosition = 14;
    form.hourPosition = 8;
    form.minutePosition = 30;
    const Place ujjain{"Ujjain", "Madhya Pradesh", "India", "IN", 23.18, 75.78, "Asia/Kolkata", 0};
    const ZoneProposal proposal = ProposeZoneFor(ujjain, form);
    ASSERT_TRUE(proposal.zoneRow);
    EXPECT_EQ(*proposal.zoneRow, 34);
    EXPECT_NE(proposal.note.find("15 June 1980 08:30"), std::string::npos) << proposal.note;
}

}  // namespace
}  // namespace sarovin
