#include <gtest/gtest.h>

#include "reading/scramble.h"
#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

using testing::Joined;
using testing::ReadingFolder;
using testing::RunResult;
using testing::RunTool;

constexpr int FILE_COUNT = 150;

// Many readings of varied births, with a missing file, a wrong name, a
// refused reading and one with a warning every so often among them.
std::vector<std::string> ManyFiles(const ReadingFolder& folder) {
    std::vector<std::string> files;
    for (int index = 0; index < FILE_COUNT; ++index) {
        BirthRecord record = testing::AshaRaoBirth();
        record.name = "Person " + std::to_string(index);
        record.day = static_cast<std::int16_t>(1 + index % 28);
        record.year = static_cast<std::int16_t>(1901 + index);
        record.hour = static_cast<std::int16_t>(index % 24);
        const std::string name = std::to_string(index) + ".dri";
        switch (index % 17) {
            case 3:
                files.push_back(folder.PathOf(name));
                break;
            case 7:
                files.push_back(folder.WriteRecord(std::to_string(index) + ".txt", record, 34));
                break;
            case 11:
                record.name.clear();
                files.push_back(folder.WriteRecord(name, record, 34));
                break;
            case 13:
                record.day = 32;
                files.push_back(folder.WriteRecord(name, record, index % 71));
                break;
            default:
                files.push_back(folder.WriteRecord(name, record, index % 71));
        }
    }
    return files;
}

TEST(ParallelOutput, AnyNumberOfThreadsPrintsTheSameInArgumentOrder) {
    const ReadingFolder folder;
    const std::vector<std::string> files = ManyFiles(folder);
    for (const char* format : {"text", "json", "jsonl"}) {
        const RunResult one = RunTool(Joined({"--format", format, "--jobs", "1"}, files));
        const RunResult four = RunTool(Joined({"--format", format, "--jobs", "4"}, files));
        EXPECT_EQ(one.status, 1);
        EXPECT_EQ(four.status, one.status);
        EXPECT_EQ(four.out, one.out) << format;
        EXPECT_EQ(four.err, one.err) << format;
    }
}

TEST(ParallelOutput, ErrorLinesComeInArgumentOrder) {
    const ReadingFolder folder;
    const std::vector<std::string> files = ManyFiles(folder);
    const RunResult result = RunTool(Joined({"--format", "jsonl", "--jobs", "4"}, files));
    std::size_t searchFrom = 0;
    int lines = 0;
    for (int index = 0; index < FILE_COUNT; ++index) {
        if (index % 17 == 3 || index % 17 == 7 || index % 17 == 11 || index % 17 == 13) {
            const std::size_t at =
                result.err.find(files[static_cast<std::size_t>(index)] + ": ", searchFrom);
            ASSERT_NE(at, std::string::npos) << files[static_cast<std::size_t>(index)];
            searchFrom = at + 1;
            ++lines;
        }
    }
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), lines);
}

TEST(ParallelOutput, RefusesBadThreadCounts) {
    for (const char* jobs : {"0", "-1", "x", "", "1.5", "257"}) {
        const RunResult result = RunTool({"--jobs", jobs, "a.dri"});
        EXPECT_EQ(result.status, 2) << jobs;
        EXPECT_TRUE(result.err.starts_with("sarovin-report: bad value '" + std::string(jobs) +
                                           "' for --jobs: give a whole number 1-256\n"))
            << result.err;
    }
}

}  // namespace
}  // namespace sarovin
