#include <gtest/gtest.h>

#include <array>
#include <optional>

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
         "New York City",
         "New York",
         "United States of America"},
        {Joined(Moment(true), {"--place", "new york"}),
         {40, 43},
         false,
         {74, 0},
         false,
         27,
         false,
         "New York City",
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
         "London, England, United Kingdom\nLondon, Ontario, Canada\n"
         "London, Ohio, United States of America\nLondon, Kentucky, United States of America\n"
         "London, California, United States of America\n"
         "London, Arkansas, United States of America"},
        // zdump -v -c 2021,2022 America/New_York: 01:00-01:59 came twice on
        // 7 November 2021 (EDT then EST) and 02:00-02:59 never on 14 March.
        {{"--place", "New York", "--day", "7", "--month", "11", "--year", "2021", "--hour", "1",
          "--minute", "30"},
         "America/New_York on 7 November 2021 01:30: this clock time came twice as the clocks "
         "went back: first EDT, UTC-04:00, daylight saving of 1 hour on UTC-05:00, then EST, "
         "UTC-05:00, no daylight saving; give --dst for the first or --no-dst for the second"},
        {{"--place", "New York", "--day", "14", "--month", "3", "--year", "2021", "--hour", "2",
          "--minute", "30"},
         "America/New_York on 14 March 2021 02:30: this clock time did not exist, as the clocks "
         "went forward from UTC-05:00 to UTC-04:00; no zone suggested; give --zone ROW or "
         "--utc-offset +HH:MM"},
        {Joined(Moment(),
                {"--zone", "34", "--utc-offset", "+05:45", "--longitude", "1:00", "--east"}),
         "give only one of --zone and --utc-offset"},
        {Joined(Moment(), {"--utc-offset", "+14:30", "--longitude", "1:00", "--east"}),
         "bad value '+14:30' for --utc-offset: give an offset from UTC as +HH:MM or +HH:MM:SS "
         "(- for west of Greenwich), from -14:00 to +14:00"},
        {Joined(Moment(), {"--utc-offset", "5:45", "--longitude", "1:00", "--east"}),
         "bad value '5:45' for --utc-offset: give an offset from UTC as +HH:MM or +HH:MM:SS "
         "(- for west of Greenwich), from -14:00 to +14:00"},
        {Joined(Moment(), {"--place", "Ujjain", "--dst", "--no-dst"}),
         "give only one of --dst and --no-dst"},
        {Joined(Moment(), {"--utc-offset", "+05:45", "--dst", "--longitude", "1:00", "--east"}),
         "give only one of --dst and --utc-offset"},
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

// The exact offset from the atlas or typed replaces the row and the tick,
// and a repeated clock time is taken only as --dst or --no-dst says.
// Offsets from zdump -v: Asia/Kathmandu +0545 gmtoff=20700 since 1986;
// America/New_York on 7 November 2021 01:30 first EDT (row 27 ticked),
// then EST (row 27).
TEST(PlaceOptions, UseTheExactOffsetAndTheChosenInstant) {
    struct Case {
        std::vector<std::string> arguments;
        std::optional<ExactOffset> exactOffset;
        int zone;
        bool daylightSaving;
    };
    const std::vector<std::string> repeated = {"--place", "New York", "--day",    "7",
                                               "--month", "11",       "--year",   "2021",
                                               "--hour",  "1",        "--minute", "30"};
    const Case cases[] = {
        {Joined(Moment(), {"--place", "Kathmandu"}),
         ExactOffset{20700, OffsetSource::Atlas, "Asia/Kathmandu"}, 0, false},
        {Joined(Moment(), {"--place", "Kathmandu", "--utc-offset", "+05:30"}),
         ExactOffset{19800, OffsetSource::Typed, ""}, 0, false},
        {Joined(repeated, {"--dst"}), std::nullopt, 27, true},
        {Joined(repeated, {"--no-dst"}), std::nullopt, 27, false},
        {Joined(Moment(), {"--utc-offset", "-03:30", "--longitude", "52:43", "--west"}),
         ExactOffset{-12600, OffsetSource::Typed, ""}, 0, false},
    };
    for (const Case& c : cases) {
        const Result<ReportOptions> parsed = ParseReportArguments(c.arguments);
        ASSERT_TRUE(parsed) << parsed.refusal().message;
        const TypedBirth& birth = parsed->typedBirth.value();
        EXPECT_EQ(birth.exactOffset, c.exactOffset) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(birth.zone, c.zone);
        EXPECT_EQ(birth.daylightSaving, c.daylightSaving);
    }
}

// The Kathmandu birth of 15 June 1990 08:30 at +5:45 is read at
// 02:45 UT, in the tool's JSON as in its header.
TEST(PlaceOptions, KathmanduComputesAtItsOwnOffset) {
    const RunResult result =
        RunTool({"--place", "Kathmandu", "--day", "15", "--month", "6", "--year", "1990", "--hour",
                 "8", "--minute", "30", "--ephemeris", "swiss", "--format", "jsonl"});
    EXPECT_EQ(result.status, 0) << result.err;
    for (const char* member : {"\"universalTime\":\"1990-06-15T02:45Z\"",
                               "\"utcOffset\":\"+05:45\"", "\"offsetSource\":\"atlas\""}) {
        EXPECT_NE(result.out.find(member), std::string::npos) << member << "\n" << result.out;
    }
    const RunResult text = RunTool({"--place", "Kathmandu", "--day", "15", "--month", "6", "--year",
                                    "1990", "--hour", "8", "--minute", "30"});
    EXPECT_TRUE(
        text.out.starts_with("15 June 1990 08:30, UTC+05:45 from the atlas "
                             "(Asia/Kathmandu), 85°19' E, 27°42' N, Kathmandu"))
        << text.out;
    // The built-in ephemeris takes +5:45 through its hours and minutes:
    //   python3 tests/reference/builtin_positions.py 1990-06-15,08:30,-5,-45,85E19
    // gives the Moon 16 Aqu 29.
    EXPECT_NE(text.out.find("Moon / Chandra\n    16 Aqu 29\n"), std::string::npos) << text.out;
}

// A date the window refuses is refused as the window words it, not as a
// clock time the tz database cannot read.
TEST(PlaceOptions, AnImpossibleDateIsTheWindowsRefusal) {
    const RunResult result =
        RunTool(Joined(Moment(), {"--place", "Ujjain", "--day", "31", "--month", "6"}));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "sarovin-report: Please Enter Correct Date Or Month !\n");
}

// The names on birth certificates from before the renamings (Bombay 1995,
// Madras 1996, Calcutta 2001, Bangalore 2014) place the city by its own
// name and list it with both; IST is row 34 as for Ujjain above.
TEST(PlaceOptions, FormerNamesPlaceTheRenamedCity) {
    const std::array<std::array<const char*, 4>, 4> cases = {{
        {"Bangalore", "Bengaluru", "Karnataka", "Bengaluru (Bangalore), Karnataka, India\t"},
        {"Bombay", "Mumbai", "Maharashtra", "Mumbai (Bombay), Maharashtra, India\t"},
        {"Madras", "Chennai", "Tamil Nadu", "Chennai (Madras), Tamil Nadu, India\t"},
        {"Calcutta", "Kolkata", "West Bengal", "Kolkata (Calcutta), West Bengal, India\t"},
    }};
    for (const auto& [typed, city, state, listed] : cases) {
        const Result<ReportOptions> parsed =
            ParseReportArguments(Joined(Moment(), {"--place", typed}));
        ASSERT_TRUE(parsed) << parsed.refusal().message;
        const TypedBirth& birth = parsed->typedBirth.value();
        EXPECT_EQ(birth.city, city);
        EXPECT_EQ(birth.state, state);
        EXPECT_EQ(birth.zone, 34) << typed;
        EXPECT_TRUE(RunTool({"--find-place", typed}).out.starts_with(listed)) << typed;
    }
}

// Hyderabad of Sindh, not of Telangana, by its region alike in both.
TEST(PlaceOptions, TheRegionTellsTheHyderabadsApart) {
    const Result<ReportOptions> parsed =
        ParseReportArguments(Joined(Moment(), {"--place", "Hyderabad, Sindh"}));
    ASSERT_TRUE(parsed) << parsed.refusal().message;
    EXPECT_EQ(parsed->typedBirth.value().country, "Pakistan");
    EXPECT_TRUE(RunTool({"--find-place", "Hyderabad, Sindh"})
                    .out.starts_with(
                        "Hyderabad, Sindh, Pakistan\t25\u00B024' N 68\u00B022' E\tAsia/Karachi\n"));
}

TEST(FindPlace, ListsLabelCoordinatesAndZoneALine) {
    const RunResult ujjain = RunTool({"--find-place", "Ujjain"});
    EXPECT_EQ(ujjain.status, 0);
    EXPECT_EQ(ujjain.out, "Ujjain, Madhya Pradesh, India\t23°11' N 75°47' E\tAsia/Kolkata\n");
    const RunResult york = RunTool({"--find-place=new york"});
    EXPECT_TRUE(
        york.out.starts_with("New York City (New York), New York, United States of America\t"
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
