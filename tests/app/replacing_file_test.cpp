#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>

#include "platform/replacing_file.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/ordinary_account.h"
#include "tests/support/reading_folder.h"

namespace sarovin {
namespace {

using testing::HoldsForAnOrdinaryAccount;
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

// The kind of file at `path`, its links not followed.
mode_t KindOf(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & S_IFMT : 0;
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

// A FIFO, a device or a socket written over would stop being one, so it
// is refused with the reason and left as it was, even through a link.
TEST(ReplacingFile, OnlyAnOrdinaryFileIsReplaced) {
    const ReadingFolder folder;
    const std::filesystem::path fifo = folder.Path() / "fifo.pdf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::filesystem::create_symlink("fifo.pdf", folder.Path() / "link.pdf");
    const std::filesystem::path socketPath = folder.Path() / "socket.pdf";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.native().copy(address.sun_path, sizeof address.sun_path - 1);
    const int socketDescriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(socketDescriptor, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    struct Case {
        const char* name;
        mode_t kind;
    };
    std::vector<Case> cases = {
        {"fifo.pdf", S_IFIFO}, {"link.pdf", S_IFLNK}, {"socket.pdf", S_IFSOCK}};
    // Only root may make a device: the null device's numbers, in a folder
    // of the test's own.
    if (::mknod((folder.Path() / "null.pdf").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        cases.push_back({"null.pdf", S_IFCHR});
    }
    for (const Case& given : cases) {
        ReplacingFile file(folder.Path() / given.name);
        EXPECT_FALSE(file.Open()) << given.name;
        EXPECT_EQ(SaveFailureMessage("The PDF could not be saved.", file),
                  "The PDF could not be saved. It is not an ordinary file.")
            << given.name;
        EXPECT_EQ(KindOf(folder.Path() / given.name), given.kind) << given.name;
    }
    ::close(socketDescriptor);
    EXPECT_EQ(folder.FileNames().size(), cases.size());
}

// As the system's own rule for links in a sticky folder open to all: a
// link another account planted there is not followed, one made by the
// user or the folder's owner is. Another account is needed, so root runs
// it and plants the link as nobody.
TEST(ReplacingFile, ALinkAnotherAccountPlantedInASharedFolderIsNotFollowed) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "planting a link as another account needs root";
    }
    const ReadingFolder folder;
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0755), 0);
    const std::filesystem::path shared = folder.Path() / "shared";
    ASSERT_TRUE(std::filesystem::create_directory(shared));
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::filesystem::path secret = folder.WriteBytes("secret", "root only");
    ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
    const std::filesystem::path planted = shared / "planted.pdf";
    const std::filesystem::path own = shared / "own.pdf";
    ASSERT_TRUE(
        HoldsForAnOrdinaryAccount([&] { return ::symlink(secret.c_str(), planted.c_str()) == 0; }));
    std::filesystem::create_symlink(secret, own);

    ReplacingFile file(planted);
    EXPECT_FALSE(file.Open());
    EXPECT_EQ(file.Problem(),
              "It is a link another account made in a shared folder, which is not followed.");
    EXPECT_EQ(ReadFileBytes(secret), "root only");
    EXPECT_TRUE(std::filesystem::is_symlink(planted));

    EXPECT_TRUE(Write(own, "through my own link"));
    EXPECT_EQ(ReadFileBytes(secret), "through my own link");
}

// A save ended by a signal that ends the program leaves the old file and
// no hidden passing file beside it.
// SIGKILL cannot be caught: the file being written has no name until it
// is complete, so even then nothing is left.
TEST(ReplacingFile, AnEndingSignalRemovesThePassingFile) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
        const ReadingFolder folder;
        const std::string target = folder.WriteBytes("old.pdf", "an older PDF");
        const pid_t child = ::fork();
        if (child == 0) {
            std::signal(signal, SIG_DFL);
            ReplacingFile file(target);
            file.Open();
            file.write(std::string(100000, 'p').c_str());
            ::raise(signal);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(ReadFileBytes(target), "an older PDF") << signal;
        EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"old.pdf"}) << signal;
    }
}

}  // namespace
}  // namespace sarovin
