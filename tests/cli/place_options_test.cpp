#include <gtest/gtest.h>

#include "cli/report_options.h"
#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

using testing::Joined;
using testing::RefusalOf;
using testing::RunResult;
using testing::RunTool;

// 09:30 on 15 July 1990, or on 15 January 1990 for `winter`.
std::vector<std::string> Moment(bool winter = false) {
    return {"--day", "15",     "--month", winter ? "1" : "7", "--year",
            "1990",  "--hour", "9",       "--minute",         "30"};
}

struct PlacedCase {
    std::vector<std::string> arguments;
    DegreesMinutes latitude;
    bool isSouth;
    DegreesMinutes longitude;
    bool isEast;
    int zone;
    bool daylightSaving;
    std::string city, state, country;
};

// Coordinates as the atlas gives them, rounded to the minute (Ujjain lies
// near 23°11' N 75°47' E, New York near 40°43' N 74°00' W); the zone rows
// and daylight saving as the clocks of the place kept them in 1990: IST,
// and EST with summer time in July.
TEST(PlaceOptions, FillThePlaceAndTheZoneAsTheWindowWould) {
    const PlacedCase cases[] = {
        {Joined(Moment(), {"--place", "Ujjain"}),
         {23, 11},
         false,
         {75, 47},
         true,
         34,
         false,
         "Ujjain",
         "Madhya Pradesh",
         "India"},
        {Joined(Moment(), {"--place", "New York"}),
         {40, 43},
         false,
         {74, 0},
         false,
         27,
         true,
         "New York",
         "New York",
         "United States of America"},
        {Joined(Moment(true), {"--place", "new york"}),
         {40, 43},
         false,
         {74, 0},
         false,
         27,
         false,
         "New York",
         "New York",
         "United States of America"},
        {Joined(Moment(), {"--place", "Kathmandu", "--zone", "34"}),
         {27, 42},
         false,
         {85, 19},
         true,
         34,
         false,
         "Kathmandu",
         "Bagmati Province",
         "Nepal"},
        {Joined(Moment(),
                {"--place", "Ujjain", "--zone", "29", "--dst", "--longitude", "1:02", "--west",
                 "--latitude", "5:06", "--south", "--city", "X", "--country", ""}),
         {5, 6},
         true,
         {1, 2},
         false,
         29,
         true,
         "X",
         "Madhya Pradesh",
         ""},
    };
    for (const PlacedCase& c : cases) {
        const Result<ReportOptions> parsed = ParseReportArguments(c.arguments);
        ASSERT_EQ(RefusalOf(parsed), "") << ::testing::PrintToString(c.arguments);
        const TypedBirth& birth = parsed->typedBirth.value();
        EXPECT_EQ(birth.latitude, c.latitude);
        EXPECT_EQ(birth.isSouth, c.isSouth);
        EXPECT_EQ(birth.longitude, c.longitude);
        EXPECT_EQ(birth.isEast, c.isEast);
        EXPECT_EQ(birth.zone, c.zone);
        EXPECT_EQ(birth.daylightSaving, c.daylightSaving);
        EXPECT_EQ(birth.city, c.city);
        EXPECT_EQ(birth.state, c.state);
        EXPECT_EQ(birth.country, c.country);
        EXPECT_EQ(birth.day, 15);
    }
}

TEST(PlaceOptions, RefusesWhatCannotBePlaced) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {Joined(Moment(), {"--place", "London"}),
         "\"London\" could be more than one place. Write it as one of these:\n"
         "London, England, United Kingdom\nLondon, Ontario, Canada"},
        {Joined(Moment(), {"--place", "Kathmandu"}),
         "Asia/Kathmandu on 15 July 1990 09:30: UTC+5:45, no daylight saving; no zone of the "
         "list keeps UTC+5:45; give --zone ROW"},
        {Joined(Moment(), {"--place", "Qqqxz"}), "No place is known as \"Qqqxz\"."},
        {{"--place", "Ujjain", "--month", "7", "--year", "1990", "--hour", "9", "--minute", "30"},
         "missing --day"},
        {{"--place", "Ujjain", "a.dri"}, "reading files cannot be combined with birth options"},
    };
    for (const auto& [arguments, error] : cases) {
        EXPECT_EQ(RefusalOf(ParseReportArguments(arguments)), error);
        const RunResult result = RunTool(arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with("sarovin-report: " + error + "\nUsage: ")) << result.err;
    }
}

// A date the window refuses is refused as the window words it, not as a
// clock time the tz database cannot read.
TEST(PlaceOptions, AnImpossibleDateIsTheWindowsRefusal) {
    const RunResult result =
        RunTool(Joined(Moment(), {"--place", "Ujjain", "--day", "31", "--month", "6"}));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "sarovin-report: Please Enter Correct Date Or Month !\n");
}

TEST(FindPlace, ListsLabelCoordinatesAndZoneALine) {
    const RunResult ujjain = RunTool({"--find-place", "Ujjain"});
    EXPECT_EQ(ujjain.status, 0);
    EXPECT_EQ(ujjain.out, "Ujjain, Madhya Pradesh, India\t23°11' N 75°47' E\tAsia/Kolkata\n");
    const RunResult york = RunTool({"--find-place=new york"});
    EXPECT_TRUE(
        york.out.starts_with("New York, New York, United States of America\t"
                             "40°43' N 74°00' W\tAmerica/New_York\n"))
        << york.out;
}

TEST(FindPlace, ListsAtMostTwentyAndNoneIsAnError) {
    const RunResult many = RunTool({"--find-place", "San"});
    EXPECT_EQ(many.status, 0);
    EXPECT_EQ(std::count(many.out.begin(), many.out.end(), '\n'), 20);
    const RunResult none = RunTool({"--find-place", "Qqqxz"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "sarovin-report: no known place has a name holding \"Qqqxz\"\n");
}

}  // namespace
}  // namespace sarovin
