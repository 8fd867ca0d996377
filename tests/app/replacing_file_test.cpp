#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "platform/replacing_file.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/reading_folder.h"

namespace sarovin {
namespace {

using testing::ReadFileBytes;
using testing::ReadingFolder;

bool Write(const std::filesystem::path& target, const std::string& bytes) {
    ReplacingFile file(target);
    const auto size = static_cast<qint64>(bytes.size());
    return file.Open() && file.write(bytes.data(), size) == size && file.Commit();
}

mode_t PermissionsOf(const std::filesystem::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// How many descriptors the process holds open.
long OpenDescriptors() {
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
}

// Runs `check` as an account that is not root, where root runs the tests,
// for root may write any file. True when the check held.
bool HoldsForAnOrdinaryAccount(const std::function<bool()>& check) {
    if (::geteuid() != 0) {
        return check();
    }
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t NOBODY = 65534;
        ::_exit(::setgid(NOBODY) == 0 && ::setuid(NOBODY) == 0 && check() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Sets the process's umask for as long as it lives.
class Umask {
  public:
    explicit Umask(mode_t mask) : saved_(::umask(mask)) {}
    ~Umask() { ::umask(saved_); }

  private:
    mode_t saved_;
};

TEST(ReplacingFile, WritesIntoAFolderWhoseNameIsNotUtf8AndLeavesNothingElse) {
    const ReadingFolder folder;
    const std::filesystem::path odd = folder.Path() / "Jyoti\xFF\xFE";
    ASSERT_TRUE(std::filesystem::create_directory(odd));
    const std::filesystem::path target = odd / "caf\xE9.dri";
    ASSERT_TRUE(Write(target, "first"));
    ASSERT_TRUE(Write(target, "second"));
    EXPECT_EQ(ReadFileBytes(target), "second");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(odd), {}), 1);
}

TEST(ReplacingFile, AFileDroppedUncommittedLeavesTheOldOne) {
    const ReadingFolder folder;
    const std::string target = folder.WriteBytes("old.dri", "old reading");
    {
        ReplacingFile file(target);
        ASSERT_TRUE(file.Open());
        file.write("half a new");
    }
    EXPECT_EQ(ReadFileBytes(target), "old reading");
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"old.dri"});
}

// A write refused in the middle of the content is remembered: what is
// written after it must not let the file, with its gap, take the target's
// place.
TEST(ReplacingFile, AWriteThatFailedMidwayIsNotCommittedLater) {
    const ReadingFolder folder;
    const std::string target = folder.WriteBytes("old.pdf", "an older PDF");
    ReplacingFile file(target);
    {
        const testing::FileSizeLimit limit(64);
        ASSERT_TRUE(file.Open());
        const std::string block(100000, 'a');
        file.write(block.data(), static_cast<qint64>(block.size()));
    }
    file.write("the end");
    EXPECT_FALSE(file.Commit());
    EXPECT_EQ(ReadFileBytes(target), "an older PDF");
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"old.pdf"});
}

TEST(ReplacingFile, AWriteCutShortByTheSizeLimitFailsAndLeavesTheOldOne) {
    const ReadingFolder folder;
    const std::string target = folder.WriteBytes("old.dri", "old reading");
    bool written = true;
    {
        const testing::FileSizeLimit limit(64);
        written = Write(target, std::string(100000, 'x'));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFileBytes(target), "old reading");
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"old.dri"});
}

// A new file has the permissions the user's umask leaves; a file replaced
// keeps its own.
TEST(ReplacingFile, PermissionsAreTheUsersOrTheOldFiles) {
    struct Case {
        mode_t mask;
        mode_t oldPermissions;  // 0: no old file
        mode_t expected;
    };
    const Case cases[] = {
        {022, 0, 0644},
        {077, 0, 0600},
        {022, 0640, 0640},
        {077, 0664, 0664},
    };
    for (const Case& given : cases) {
        const ReadingFolder folder;
        const std::filesystem::path target = folder.Path() / "reading.dri";
        if (given.oldPermissions != 0) {
            folder.WriteBytes("reading.dri", "old");
            ASSERT_EQ(::chmod(target.c_str(), given.oldPermissions), 0);
        }
        const Umask mask(given.mask);
        ASSERT_TRUE(Write(target, "new"));
        EXPECT_EQ(PermissionsOf(target), given.expected) << std::oct << given.mask;
    }
}

// Saving over a symbolic link replaces what it points to and keeps the link,
// whether the link names its file by a relative or an absolute path.
TEST(ReplacingFile, ALinkKeepsPointingAtTheNewContent) {
    const ReadingFolder folder;
    const std::filesystem::path real = folder.WriteBytes("real.dri", "old");
    for (const std::filesystem::path& pointed : {std::filesystem::path("real.dri"), real}) {
        const std::filesystem::path link = folder.Path() / "link.dri";
        std::filesystem::remove(link);
        std::filesystem::create_symlink(pointed, link);
        ASSERT_TRUE(Write(link, "new through " + pointed.string()));
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_EQ(ReadFileBytes(real), "new through " + pointed.string());
    }
    EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"link.dri", "real.dri"}));
}

// A link that leads round in a circle is replaced itself, as a link to
// nothing would be; the other links stay.
TEST(ReplacingFile, ALinkInACircleIsReplacedItselfAndNothingElse) {
    const ReadingFolder folder;
    const std::filesystem::path a = folder.Path() / "a.dri";
    const std::filesystem::path b = folder.Path() / "b.dri";
    std::filesystem::create_symlink("b.dri", a);
    std::filesystem::create_symlink("a.dri", b);
    ASSERT_TRUE(Write(a, "reading"));
    EXPECT_FALSE(std::filesystem::is_symlink(a));
    EXPECT_EQ(ReadFileBytes(a), "reading");
    EXPECT_EQ(std::filesystem::read_symlink(b), "a.dri");
}

// The passing file's name does not grow with the target's, so a name as
// long as the system allows is saved too.
TEST(ReplacingFile, NamesUpToTheLongestTheSystemAllowsAreSaved) {
    const ReadingFolder folder;
    for (const std::size_t length : {246u, 250u, 255u}) {
        const std::filesystem::path target =
            folder.Path() / (std::string(length - 4, 'n') + ".dri");
        EXPECT_TRUE(Write(target, "reading")) << length;
        EXPECT_EQ(ReadFileBytes(target), "reading") << length;
    }
    EXPECT_EQ(folder.FileNames().size(), 3u);
}

TEST(ReplacingFile, NothingIsWrittenWhereNoFileCanBeMadeAndNoDescriptorIsKept) {
    const ReadingFolder folder;
    const long descriptors = OpenDescriptors();
    ASSERT_TRUE(std::filesystem::create_directory(folder.Path() / "folder.dri"));
    ReplacingFile missing(folder.Path() / "missing" / "reading.dri");
    EXPECT_FALSE(missing.Open());
    EXPECT_FALSE(missing.Commit());
    ReplacingFile aFolder(folder.Path() / "folder.dri");
    EXPECT_FALSE(aFolder.Open());
    ReplacingFile unopened(folder.Path() / "reading.dri");
    EXPECT_FALSE(unopened.Commit());
    {
        ReplacingFile dropped(folder.Path() / "dropped.dri");
        ASSERT_TRUE(dropped.Open());
    }
    ASSERT_TRUE(Write(folder.Path() / "written.dri", "reading"));
    EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"folder.dri", "written.dri"}));
    EXPECT_EQ(OpenDescriptors(), descriptors);
}

// A file the user made read-only is kept as it is, in a folder the user
// may write.
TEST(ReplacingFile, AFileTheUserMayNotWriteIsNotReplaced) {
    const ReadingFolder folder;
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0777), 0);
    const std::filesystem::path target = folder.WriteBytes("kept.dri", "kept reading");
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    EXPECT_TRUE(HoldsForAnOrdinaryAccount([&target] { return !Write(target, "new"); }));
    EXPECT_EQ(ReadFileBytes(target), "kept reading");
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"kept.dri"});
}

}  // namespace
}  // namespace sarovin
