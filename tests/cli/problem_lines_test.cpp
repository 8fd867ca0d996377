#include <gtest/gtest.h>

#include "reading/scramble.h"
#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

using testing::ReadingFolder;
using testing::RunResult;
using testing::RunTool;

// The Asha Rao reading with some of its stored values replaced.
std::string WriteChangedReading(const ReadingFolder& folder, const std::string& name,
                                const std::vector<std::pair<ReadingLine, std::string>>& changes) {
    ReadingLines values = CollectReadingValues(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    for (const auto& [line, value] : changes) {
        values[line] = value;
    }
    std::string bytes;
    for (const std::string& value : values) {
        bytes += ScrambleText(value) + "\r\n";
    }
    return folder.WriteBytes(name, bytes);
}

TEST(ProblemLines, NumberLinesWithoutAValidValueAreWarnedOfOnePerLine) {
    const ReadingFolder folder;
    const std::string path = WriteChangedReading(folder, "odd.dri",
                                                 {{MONTH_LINE, "13"},
                                                  {DAY_LINE, "32"},
                                                  {YEAR_LINE, "\x1b[31m1980"},
                                                  {HOUR_LINE, "08"},
                                                  {MINUTE_LINE, ""},
                                                  {ZONE_LINE, "99"},
                                                  {LONGITUDE_DEGREES_LINE, "abc"},
                                                  {LATITUDE_MINUTES_LINE, "3.x"}});
    const RunResult result = RunTool({path});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(
        result.out.starts_with("Asha Rao — 1 January 1901 00:00, "
                               "Alaska/Hawaii Daylight Time,AHDT,-9.0, 0°12' E, 28°00' N"))
        << result.out.substr(0, 200);
    const std::string start = "sarovin-report: " + path + ": warning: the ";
    EXPECT_EQ(result.err,
              start + "month line \"13\" is not valid; January was used\n" + start +
                  "day line \"32\" is not valid; 1 was used\n" + start +
                  "year line \"?[31m1980\" is not valid; 1901 was used\n" + start +
                  "hour line \"08\" is not valid; 0 was used\n" + start +
                  "minute line \"\" is not valid; 0 was used\n" + start +
                  "zone line \"99\" is not valid; row 0 (Alaska/Hawaii Daylight Time,AHDT,-9.0) "
                  "was used\n" +
                  start + "longitude degrees line \"abc\" is not valid; 0 was used\n" + start +
                  "latitude minutes line \"3.x\" is not valid; 0 was used\n");
}

// What the window takes is no warning: a month or zone written as any
// number that rounds into range, a box holding a number.
TEST(ProblemLines, ValuesThePanelTakesAreNoWarning) {
    const ReadingFolder folder;
    const std::string path = WriteChangedReading(
        folder, "fine.dri",
        {{MONTH_LINE, " 6.4 "}, {ZONE_LINE, "34.0"}, {LONGITUDE_DEGREES_LINE, "+77"}});
    const RunResult result = RunTool({path});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
}

TEST(ProblemLines, ARefusedReadingHasItsRefusalOnly) {
    const ReadingFolder folder;
    const std::string path =
        WriteChangedReading(folder, "refused.dri", {{NAME_LINE, ""}, {DAY_LINE, "32"}});
    const RunResult result = RunTool({path});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "sarovin-report: " + path + ": Please Enter Your Name\n");
}

// A file name or value could steer the terminal; every control character
// on standard error shows as '?'.
TEST(ProblemLines, ControlCharactersOfNamesAndValuesShowAsQuestionMarks) {
    const ReadingFolder folder;
    const std::string folderPath = folder.PathOf("");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{folderPath + "a\nb\x1b]0;title\x07.dri"},
         "sarovin-report: " + folderPath +
             "a?b?]0;title?.dri: Cannot read the file. No such file or directory\n"},
        {{folderPath + "c\r\x9b\xC2\x9B.txt"},
         "sarovin-report: " + folderPath + "c?\x9b?.txt: Please Check The File.\n"},
        {{"--day", "1\x1b[2J"}, "sarovin-report: bad value '1?[2J' for --day: give a whole"},
        {{"--\x1b[2J"}, "sarovin-report: unknown option '--?[2J'\n"},
    };
    for (const auto& [arguments, start] : cases) {
        const RunResult result = RunTool(arguments);
        EXPECT_TRUE(result.err.starts_with(start)) << result.err;
    }
}

// A line end from outside, in an argument or a stored value, shows as '?'
// like any control character: it cannot forge a line of its own.
TEST(ProblemLines, ALineEndFromOutsideStartsNoLineOfItsOwn) {
    const ReadingFolder folder;
    const std::string forged = "9\nsarovin-report: people/a.dri: Please Enter Your Name";
    const std::string path = WriteChangedReading(folder, "forged.dri", {{ZONE_LINE, forged}});
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--find-place", "Zzqx\nsarovin-report: people/a.dri: Please Enter Your Name"},
         "sarovin-report: no known place has a name holding \"Zzqx?sarovin-report: "
         "people/a.dri: Please Enter Your Name\"\n"},
        {{path},
         "sarovin-report: " + path +
             ": warning: the zone line \"9?sarovin-report: people/a.dri: Please Enter Your "
             "Name\" is not valid; row 0 (Alaska/Hawaii Daylight Time,AHDT,-9.0) was used\n"},
    };
    for (const auto& [arguments, expected] : cases) {
        EXPECT_EQ(RunTool(arguments).err, expected);
    }
}

}  // namespace
}  // namespace sarovin
