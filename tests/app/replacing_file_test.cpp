#include <gtest/gtest.h>

#include <sys/stat.h>

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
    return file.Open() && file.Device().write(bytes.data(), size) == size && file.Commit();
}

mode_t PermissionsOf(const std::filesystem::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
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
        file.Device().write("half a new");
    }
    EXPECT_EQ(ReadFileBytes(target), "old reading");
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"old.dri"});
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

TEST(ReplacingFile, NothingIsWrittenWhereNoFileCanBeMade) {
    const ReadingFolder folder;
    ReplacingFile missing(folder.Path() / "missing" / "reading.dri");
    EXPECT_FALSE(missing.Open());
    EXPECT_FALSE(missing.Commit());
    ReplacingFile unopened(folder.Path() / "reading.dri");
    EXPECT_FALSE(unopened.Commit());
    EXPECT_TRUE(folder.FileNames().empty());
}

}  // namespace
}  // namespace sarovin
