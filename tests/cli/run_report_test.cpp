#include "cli/run_report.h"

#include <gtest/gtest.h>

#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

using testing::AshaRaoOptions;
using testing::Joined;
using testing::ReadingFolder;
using testing::RunResult;
using testing::RunTool;

constexpr const char* USAGE_FIRST_LINE =
    "Usage: sarovin-report [--format text|json|jsonl] [--ephemeris builtin|swiss]\n";

std::size_t CountOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(RunReport, UsageErrorsPrintTheUsageAndExitWithTwo) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--colour", "a.dri"}, "unknown option '--colour'"},
        {Joined(AshaRaoOptions(), {"--hour", "7.5"}),
         "bad value '7.5' for --hour: give a whole number 0-23"},
        {{"--day", "1", "--month", "1", "--year", "2000", "--hour", "0", "--minute", "0", "--zone",
          "0", "--longitude", "0:0"},
         "missing --east or --west"},
        {{}, "no reading given: name reading files or give a birth as options"},
    };
    for (const auto& [arguments, error] : cases) {
        const RunResult result = RunTool(arguments);
        EXPECT_EQ(result.status, 2) << error;
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with("sarovin-report: " + error + "\n" + USAGE_FIRST_LINE))
            << result.err;
    }
}

// A reading saved with an exact offset opens with it: Kathmandu at +5:45
// (zdump -v Asia/Kathmandu: gmtoff=20700 since 1986), 15 June 1990 08:30,
// is read at 02:45 UT, whatever its zone row and tick say.
TEST(RunReport, AReadingWithAnExactOffsetOpensWithIt) {
    const ReadingFolder folder;
    BirthRecord record = testing::AshaRaoBirth();
    record.daylightSaving = true;
    record.exactOffset = ExactOffset{20700, OffsetSource::Atlas, "Asia/Kathmandu"};
    const std::string path = folder.WriteRecord("kathmandu.dri", record, testing::INDIAN_TIME_ZONE);
    const RunResult result = RunTool({path, "--ephemeris", "swiss", "--format", "jsonl"});
    EXPECT_EQ(result.status, 0) << result.err;
    for (const char* member :
         {"\"universalTime\":\"1980-06-15T02:45Z\"", "\"utcOffset\":\"+05:45\"",
          "\"offsetSource\":\"atlas\"", "\"daylightSaving\":false"}) {
        EXPECT_NE(result.out.find(member), std::string::npos) << member << "\n" << result.out;
    }
}

TEST(RunReport, RefusedReadingsGetOneLineAndExitWithOne) {
    const ReadingFolder folder;
    BirthRecord nameless = testing::AshaRaoBirth();
    nameless.name.clear();
    const std::string noName =
        folder.WriteRecord("nameless.dri", nameless, testing::INDIAN_TIME_ZONE);
    const std::string upper =
        folder.WriteRecord("upper.DRI", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string absent = folder.PathOf("absent.dri");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{absent},
         "sarovin-report: " + absent + ": Cannot read the file. No such file or directory\n"},
        {{upper}, "sarovin-report: " + upper + ": Please Check The File.\n"},
        {{noName}, "sarovin-report: " + noName + ": Please Enter Your Name\n"},
        {{"people/x.txt"}, "sarovin-report: people/x.txt: Please Check The File.\n"},
        {Joined(AshaRaoOptions(), {"--day", "31", "--month", "4"}),
         "sarovin-report: Please Enter Correct Date Or Month !\n"},
        {Joined(AshaRaoOptions(), {"--day", "29", "--month", "2", "--year", "1981"}),
         "sarovin-report: Please Enter Correct Date Or Month!\n"},
    };
    for (const auto& [arguments, error] : cases) {
        const RunResult result = RunTool(arguments);
        EXPECT_EQ(result.status, 1) << error;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, error);
    }
}

TEST(RunReport, OneBadFileAmongManyLeavesTheOthersPrinted) {
    const ReadingFolder folder;
    std::vector<std::string> files;
    for (const char* name : {"Ann", "Bea", "Cai", "Dev"}) {
        BirthRecord record = testing::AshaRaoBirth();
        record.name = name;
        files.push_back(folder.WriteRecord(std::string(name) + ".dri", record, 34));
    }
    files.insert(files.begin() + 2, folder.PathOf("missing.dri"));
    const RunResult result = RunTool(files);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "sarovin-report: " + files[2] +
                              ": Cannot read the file. No such file or directory\n");
    EXPECT_EQ(CountOf(result.out, "Sputa Drishti\n"), 4u);
    const std::size_t ann = result.out.find("Ann — ");
    const std::size_t bea = result.out.find("\n\nBea — ");
    const std::size_t cai = result.out.find("\n\nCai — ");
    const std::size_t dev = result.out.find("\n\nDev — ");
    EXPECT_EQ(ann, 0u);
    EXPECT_TRUE(ann < bea && bea < cai && cai < dev && dev != std::string::npos);
}

TEST(RunReport, TheSameFileTwiceIsPrintedTwice) {
    const ReadingFolder folder;
    const std::string path =
        folder.WriteRecord("a.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const RunResult once = RunTool({path});
    const RunResult twice = RunTool({path, path});
    EXPECT_EQ(twice.status, 0);
    EXPECT_EQ(twice.out, once.out + "\n" + once.out);
}

TEST(RunReport, ListsTheZoneRows) {
    const RunResult result = RunTool({"--zones"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(CountOf(result.out, "\n"), 71u);
    EXPECT_TRUE(result.out.starts_with("0\tAlaska/Hawaii Daylight Time,AHDT,-9.0\n"));
    EXPECT_NE(result.out.find("\n29\tGreenwich Mean Time,GMT,0.0\n"), std::string::npos);
    EXPECT_NE(result.out.find("\n34\tIndian Time, IST, +5.3\n"), std::string::npos);
    EXPECT_TRUE(result.out.ends_with("\n70\tYukon War Time,YWT,-8.0\n"));
}

TEST(RunReport, HelpAndVersionGoToStandardOutput) {
    const RunResult version = RunTool({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "sarovin-report 1.15\n");
    const RunResult help = RunTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_TRUE(help.out.starts_with(USAGE_FIRST_LINE));
    for (const char* option :
         {"--format",    "--day",  "--month", "--year",     "--hour",      "--minute", "--zone",
          "--longitude", "--east", "--west",  "--latitude", "--north",     "--south",  "--dst",
          "--name",      "--city", "--state", "--country",  "--zones",     "--help",   "--version",
          "--ephemeris", "--node", "--jobs",  "--place",    "--find-place"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
}

TEST(RunReport, AnOutputThatCannotBeWrittenFails) {
    std::ostream broken(nullptr);
    std::ostringstream err;
    EXPECT_EQ(RunReport({"--version"}, broken, err), 1);
    EXPECT_EQ(err.str(), "sarovin-report: cannot write the output\n");
}

}  // namespace
}  // namespace sarovin
