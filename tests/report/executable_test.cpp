#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "tests/report/report_test_support.h"

namespace sarovin {
namespace {

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the built program through the shell; the arguments must need no
// quoting beyond single quotes.
ProgramRun RunProgram(const testing::ReadingFolder& folder, const std::string& arguments) {
    const std::string out = folder.PathOf("stdout");
    const std::string err = folder.PathOf("stderr");
    const std::string command =
        std::string("'") + REPORT_PROGRAM + "' " + arguments + " >'" + out + "' 2>'" + err + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWhole(out), ReadWhole(err)};
}

TEST(Executable, PrintsTheGoodFileAndNamesTheBadOne) {
    const testing::ReadingFolder folder;
    const std::string good =
        folder.WriteRecord("good.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string bad = folder.PathOf("bad.dri");
    const ProgramRun run = RunProgram(folder, "'" + good + "' '" + bad + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.starts_with("Asha Rao — 15 June 1980 08:30, ")) << run.out;
    EXPECT_EQ(run.err,
              "sarovin-report: " + bad + ": Cannot read the file. No such file or directory\n");
}

TEST(Executable, ExitStatusesOfTheInformativeAndUsageCalls) {
    const testing::ReadingFolder folder;
    const ProgramRun version = RunProgram(folder, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "sarovin-report 1.15\n");
    const ProgramRun usage = RunProgram(folder, "--zone 99");
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.out, "");
    EXPECT_TRUE(usage.err.starts_with("sarovin-report: ")) << usage.err;
}

}  // namespace
}  // namespace sarovin
