#include "cli/report_options.h"

#include <gtest/gtest.h>

#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

using testing::AshaRaoOptions;
using testing::Joined;
using testing::RefusalOf;

// The Asha Rao options without the one named, to leave a gap.
std::vector<std::string> Without(const std::string& option, bool takesValue) {
    std::vector<std::string> arguments = AshaRaoOptions();
    const auto at = std::find(arguments.begin(), arguments.end(), option);
    arguments.erase(at, at + (takesValue ? 2 : 1));
    return arguments;
}

// The Asha Rao options with one value replaced.
std::vector<std::string> WithValue(const std::string& option, const std::string& value) {
    std::vector<std::string> arguments = AshaRaoOptions();
    *(std::find(arguments.begin(), arguments.end(), option) + 1) = value;
    return arguments;
}

TEST(ParseReportArguments, RefusesWhatItCannotUse) {
    struct Case {
        std::vector<std::string> arguments;
        const char* error;
    };
    const Case cases[] = {
        {{}, "no reading given: name reading files or give a birth as options"},
        {{"--format", "json"}, "no reading given: name reading files or give a birth as options"},
        {{"--colour", "a.dri"}, "unknown option '--colour'"},
        {{"--colour=red", "a.dri"}, "unknown option '--colour'"},
        {{"-h"}, "unknown option '-h'"},
        {{"a.dri", "--format"}, "option '--format' needs a value"},
        {{"--dst=1", "--", "--format"}, "option '--dst' takes no value"},
        {{"--ephemeris", "moshier", "a.dri"}, "unknown ephemeris 'moshier': give builtin or swiss"},
        {{"--ephemeris", "swiss", "--node", "osculating", "a.dri"},
         "unknown node 'osculating': give mean or true"},
        {{"--node", "true", "a.dri"}, "--node needs --ephemeris swiss"},
        {{"--ephemeris", "builtin", "--node=mean", "a.dri"}, "--node needs --ephemeris swiss"},
        {{"--ayanamsa", "raman", "a.dri"}, "--ayanamsa needs --ephemeris swiss"},
        {{"--ephemeris", "swiss", "--ayanamsa", "Raman", "a.dri"},
         "unknown ayanamsa 'Raman': give lahiri, raman, krishnamurti, true-chitra, yukteshwar or "
         "fagan-bradley"},
        {{"--rules", "parashara", "a.dri"}, "unknown rules 'parashara': give 1.15 or classical"},
        {{"--houses", "placidus", "a.dri"}, "--houses needs --ephemeris swiss"},
        {{"--ephemeris", "swiss", "--houses", "koch", "a.dri"},
         "unknown houses 'koch': give sripati, equal, whole-sign or placidus"},
        {{"-x.dri"}, "unknown option '-x.dri'"},
        {{"--format", "xml", "a.dri"}, "unknown format 'xml': give text, json or jsonl"},
        {{"--format", "JSON", "a.dri"}, "unknown format 'JSON': give text, json or jsonl"},
        {Joined({"--dst=yes"}, AshaRaoOptions()), "option '--dst' takes no value"},
        {Joined({"a.dri"}, AshaRaoOptions()),
         "reading files cannot be combined with birth options"},
        {{"--name", "Asha", "a.dri"}, "reading files cannot be combined with birth options"},
        {Without("--day", true), "missing --day"},
        {Without("--zone", true), "missing --zone"},
        {Without("--longitude", true), "missing --longitude"},
        {Without("--east", false), "missing --east or --west"},
        {Joined({"--west"}, AshaRaoOptions()), "give only one of --east and --west"},
        {Joined({"--north", "--south"}, AshaRaoOptions()), "give only one of --north and --south"},
        {WithValue("--day", "32"), "bad value '32' for --day: give a whole number 1-31"},
        {WithValue("--day", "0"), "bad value '0' for --day: give a whole number 1-31"},
        {WithValue("--day", "1.5"), "bad value '1.5' for --day: give a whole number 1-31"},
        {WithValue("--month", "13"), "bad value '13' for --month: give a whole number 1-12"},
        {WithValue("--year", "1900"), "bad value '1900' for --year: give a whole number 1901-2050"},
        {WithValue("--year", "2051"), "bad value '2051' for --year: give a whole number 1901-2050"},
        {WithValue("--hour", "24"), "bad value '24' for --hour: give a whole number 0-23"},
        {WithValue("--minute", "-1"), "bad value '-1' for --minute: give a whole number 0-59"},
        {WithValue("--zone", "71"), "bad value '71' for --zone: give a whole number 0-70"},
        {WithValue("--zone", ""), "bad value '' for --zone: give a whole number 0-70"},
        {WithValue("--longitude", "77"),
         "bad value '77' for --longitude: give DEG:MIN, each a whole number 0-999"},
        {WithValue("--latitude", "28:1000"),
         "bad value '28:1000' for --latitude: give DEG:MIN, each a whole number 0-999"},
    };
    for (const Case& c : cases) {
        const Result<ReportOptions> parsed = ParseReportArguments(c.arguments);
        EXPECT_EQ(RefusalOf(parsed), c.error) << ::testing::PrintToString(c.arguments);
    }
}

TEST(ParseReportArguments, ReadsATypedBirth) {
    const Result<ReportOptions> parsed =
        ParseReportArguments(Joined({"--format=json", "--dst", "--south"}, AshaRaoOptions()));
    ASSERT_EQ(RefusalOf(parsed), "");
    TypedBirth expected;
    expected.day = 15;
    expected.month = 6;
    expected.year = 1980;
    expected.hour = 8;
    expected.minute = 30;
    expected.zone = 34;
    expected.longitude = {77, 12};
    expected.isEast = true;
    expected.latitude = {28, 36};
    expected.isSouth = true;
    expected.daylightSaving = true;
    expected.name = "Asha Rao";
    expected.city = "New Delhi";
    expected.state = "Delhi";
    expected.country = "India";
    EXPECT_EQ(parsed->typedBirth, expected);
    EXPECT_EQ(parsed->format, OutputFormat::Json);
    EXPECT_EQ(parsed->action, ReportAction::PrintReadings);
    EXPECT_TRUE(parsed->files.empty());
}

TEST(ParseReportArguments, LatitudeDefaultsToZeroNorthAndTextsToEmpty) {
    const Result<ReportOptions> parsed =
        ParseReportArguments({"--day=1", "--month=1", "--year=2000", "--hour=12", "--minute=0",
                              "--zone=29", "--longitude=0:0", "--west"});
    ASSERT_EQ(RefusalOf(parsed), "");
    ASSERT_TRUE(parsed->typedBirth);
    const TypedBirth& birth = *parsed->typedBirth;
    EXPECT_EQ(birth.latitude, (DegreesMinutes{0, 0}));
    EXPECT_FALSE(birth.isSouth);
    EXPECT_FALSE(birth.isEast);
    EXPECT_FALSE(birth.daylightSaving);
    EXPECT_EQ(birth.name + birth.city + birth.state + birth.country, "");
    EXPECT_EQ(parsed->format, OutputFormat::Text);
}

TEST(ParseReportArguments, TheLastOfARepeatedOptionCounts) {
    const Result<ReportOptions> parsed = ParseReportArguments(
        Joined(AshaRaoOptions(), {"--day", "16", "--format", "json", "--format", "text"}));
    ASSERT_TRUE(parsed->typedBirth);
    EXPECT_EQ(parsed->typedBirth->day, 16);
    EXPECT_EQ(parsed->format, OutputFormat::Text);
}

TEST(ParseReportArguments, KeepsFilesInOrderAndTakesAnythingAfterTheEndMark) {
    const Result<ReportOptions> parsed =
        ParseReportArguments({"b.dri", "--format", "json", "a.dri", "-", "--", "--day", "-x.dri"});
    ASSERT_EQ(RefusalOf(parsed), "");
    EXPECT_EQ(parsed->files, (std::vector<std::string>{"b.dri", "a.dri", "-", "--day", "-x.dri"}));
    EXPECT_FALSE(parsed->typedBirth);
}

TEST(ParseReportArguments, ReadsTheEphemerisTheNodeAndTheThreads) {
    const Result<ReportOptions> swiss = ParseReportArguments(
        {"--ephemeris", "swiss", "--node", "true", "--jobs", "3", "--format=jsonl", "a.dri"});
    ASSERT_EQ(RefusalOf(swiss), "");
    EXPECT_EQ(swiss->ephemeris, (EphemerisChoice{Ephemeris::Swiss, LunarNode::True}));
    EXPECT_EQ(swiss->jobs, 3);
    EXPECT_EQ(swiss->format, OutputFormat::JsonLines);
    const Result<ReportOptions> plain = ParseReportArguments({"a.dri"});
    EXPECT_EQ(plain->ephemeris, (EphemerisChoice{Ephemeris::BuiltIn, LunarNode::Mean}));
    EXPECT_EQ(plain->jobs, DefaultJobs());
    EXPECT_GE(plain->jobs, 1);
}

TEST(ParseReportArguments, HelpVersionAndZonesWinInThatOrder) {
    struct Case {
        std::vector<std::string> arguments;
        ReportAction action;
    };
    const Case cases[] = {
        {{"--zones", "--version", "--help"}, ReportAction::ShowHelp},
        {{"--zones", "--version"}, ReportAction::ShowVersion},
        {{"--zones"}, ReportAction::ListZones},
        {{"--help", "--day", "99", "a.dri"}, ReportAction::ShowHelp},
        {{"--version", "--format", "xml"}, ReportAction::ShowVersion},
        {{"--find-place", "Ujjain", "--zones"}, ReportAction::ListZones},
        {{"--find-place=Ujjain", "a.dri", "--jobs", "0"}, ReportAction::FindPlaces},
    };
    for (const Case& c : cases) {
        const Result<ReportOptions> parsed = ParseReportArguments(c.arguments);
        EXPECT_EQ(RefusalOf(parsed), "");
        EXPECT_EQ(parsed->action, c.action) << ::testing::PrintToString(c.arguments);
    }
    EXPECT_EQ(RefusalOf(ParseReportArguments({"--help", "--bogus"})), "unknown option '--bogus'");
}

}  // namespace
}  // namespace sarovin
