#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "tests/cli/report_test_support.h"
#include "tests/support/file_size_limit.h"

extern char** environ;

namespace sarovin {
namespace {

constexpr int GOOD_FILES = 100;
constexpr int MISSING_FILES = 20;
constexpr const char* WRITE_FAILURE = "sarovin-report: cannot write the output\n";

// Many good readings, then missing files whose error lines would show that
// the work went on after the output was gone.
std::vector<std::string> GoodThenMissing(const testing::ReadingFolder& folder) {
    std::vector<std::string> files;
    const std::string good =
        folder.WriteRecord("good.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    files.assign(GOOD_FILES, good);
    for (int index = 0; index < MISSING_FILES; ++index) {
        files.push_back(folder.PathOf("missing" + std::to_string(index) + ".dri"));
    }
    return files;
}

struct Spawned {
    pid_t pid = -1;
    std::string errPath;
};

// Starts the program with standard output on `outDescriptor` and standard
// error into a file of `folder`. The descriptors the test opens close on
// exec, so the program holds no read end of its own pipe.
Spawned Spawn(const std::vector<std::string>& arguments, int outDescriptor,
              const testing::ReadingFolder& folder) {
    Spawned spawned{-1, folder.PathOf("stderr.txt")};
    std::vector<std::string> words = {REPORT_PROGRAM};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outDescriptor, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, spawned.errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (posix_spawn(&spawned.pid, REPORT_PROGRAM, &actions, nullptr, argv.data(), environ) != 0) {
        spawned.pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return spawned;
}

int ExitStatusOf(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(WriteFailure, AReaderThatGoesAwayStopsTheWork) {
    const testing::ReadingFolder folder;
    for (const char* jobs : {"1", "4"}) {
        int pipeEnds[2];
        ASSERT_EQ(pipe2(pipeEnds, O_CLOEXEC), 0);
        const Spawned run =
            Spawn(testing::Joined({"--jobs", jobs}, GoodThenMissing(folder)), pipeEnds[1], folder);
        close(pipeEnds[1]);
        ASSERT_NE(run.pid, -1);
        char start[100];
        EXPECT_GT(read(pipeEnds[0], start, sizeof start), 0);
        close(pipeEnds[0]);
        EXPECT_EQ(ExitStatusOf(run.pid), 1) << jobs;
        EXPECT_EQ(Contents(run.errPath), WRITE_FAILURE) << jobs;
    }
}

TEST(WriteFailure, AFullDiskStopsTheWork) {
    const testing::ReadingFolder folder;
    for (const char* format : {"text", "json", "jsonl"}) {
        const int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
        ASSERT_NE(full, -1);
        const Spawned run =
            Spawn(testing::Joined({"--format", format}, GoodThenMissing(folder)), full, folder);
        close(full);
        ASSERT_NE(run.pid, -1);
        EXPECT_EQ(ExitStatusOf(run.pid), 1) << format;
        EXPECT_EQ(Contents(run.errPath), WRITE_FAILURE) << format;
    }
}

// Output into a file that reaches the size limit is a write failure, as
// for a full disk, not an end without a word.
TEST(WriteFailure, TheFileSizeLimitStopsTheWork) {
    const testing::ReadingFolder folder;
    const int out = open(folder.PathOf("out.json").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_NE(out, -1);
    const std::vector<std::string> arguments =
        testing::Joined({"--format", "json"}, GoodThenMissing(folder));
    Spawned run;
    {
        const testing::FileSizeLimit limit(4096);
        run = Spawn(arguments, out, folder);
    }
    close(out);
    ASSERT_NE(run.pid, -1);
    EXPECT_EQ(ExitStatusOf(run.pid), 1);
    EXPECT_EQ(Contents(run.errPath), WRITE_FAILURE);
}

}  // namespace
}  // namespace sarovin
