#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "swiss/swiss_ephemeris.h"
#include "tests/support/ordinary_account.h"

namespace sarovin {
namespace {

constexpr double NOON_J2000 = 2451545.0;

// Sets an environment variable for the life of the object, then puts back
// what was there.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        Set(value);
    }
    ~ScopedVariable() { Set(old_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    void Set(const std::optional<std::string>& value) {
        if (value) {
            setenv(name_, value->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

    const char* name_;
    std::optional<std::string> old_;
};

// An empty folder of its own, removed afterwards.
class EmptyFolder {
  public:
    EmptyFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "swiss-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~EmptyFolder() { std::filesystem::remove_all(path_); }
    EmptyFolder(const EmptyFolder&) = delete;
    EmptyFolder& operator=(const EmptyFolder&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// The ephemeris reads its folder once per thread, so each reading with a
// changed environment is made on a new thread.
Result<SwissPositions> ComputeOnNewThread(const SwissRequest& request) {
    std::optional<Result<SwissPositions>> result;
    std::thread([&] { result.emplace(ComputeSwissPositions(request)); }).join();
    return *result;
}

void ExpectMissingFiles(const Result<SwissPositions>& positions, const std::string& folder) {
    ASSERT_FALSE(positions.has_value());
    EXPECT_EQ(positions.refusal().message,
              "The Swiss Ephemeris data files were not found in " + folder + ".");
}

TEST(EphemerisFiles, AnEmptyFolderIsRefusedNotReplacedByMoshier) {
    const EmptyFolder folder;
    const ScopedVariable library("SE_EPHE_PATH", std::nullopt);
    const ScopedVariable own("SAROVIN_EPHEMERIS_PATH", folder.path());
    ExpectMissingFiles(ComputeOnNewThread({NOON_J2000, 28.6, 77.2}), folder.path());
}

TEST(EphemerisFiles, AFolderThatDoesNotExistIsRefused) {
    const std::string missing = EmptyFolder().path();
    const ScopedVariable library("SE_EPHE_PATH", std::nullopt);
    const ScopedVariable own("SAROVIN_EPHEMERIS_PATH", missing);
    ExpectMissingFiles(ComputeOnNewThread({NOON_J2000, 28.6, 77.2, LunarNode::True}), missing);
}

TEST(EphemerisFiles, TheLibrarysOwnVariableComesFirst) {
    const EmptyFolder folder;
    const ScopedVariable library("SE_EPHE_PATH", folder.path());
    const ScopedVariable own("SAROVIN_EPHEMERIS_PATH", std::nullopt);
    ExpectMissingFiles(ComputeOnNewThread({NOON_J2000, 28.6, 77.2}), folder.path());
}

// A library variable the library cannot use, empty or too long, does not
// stand in the way of the program's own folder.
TEST(EphemerisFiles, ALibraryVariableTheLibraryCannotUseLeavesTheOwnFolder) {
    for (const std::string& unusable : {std::string(), "/tmp/" + std::string(300, 'x')}) {
        const ScopedVariable library("SE_EPHE_PATH", unusable);
        const ScopedVariable own("SAROVIN_EPHEMERIS_PATH", std::nullopt);
        const Result<SwissPositions> positions = ComputeOnNewThread({NOON_J2000, 28.6, 77.2});
        EXPECT_TRUE(positions.has_value()) << unusable.size();
    }
}

TEST(EphemerisFiles, AFolderNameTooLongForTheLibraryIsRefused) {
    const std::string tooLong = "/tmp/" + std::string(300, 'x');
    const ScopedVariable library("SE_EPHE_PATH", std::nullopt);
    const ScopedVariable own("SAROVIN_EPHEMERIS_PATH", tooLong);
    ExpectMissingFiles(ComputeOnNewThread({NOON_J2000, 28.6, 77.2}), tooLong);
}

const std::filesystem::path DEBIAN_FILES = "/usr/share/libswe/ephe";
constexpr char PLANETS[] = "sepl_18.se1";
constexpr char MOON[] = "semo_18.se1";

// Copies the planet and moon files of swe-basic-data into `folder`.
void CopyDataFiles(const std::filesystem::path& folder) {
    for (const char* name : {PLANETS, MOON}) {
        std::filesystem::copy_file(DEBIAN_FILES / name, folder / name);
    }
}

Result<SwissPositions> ComputeFrom(const std::string& folder) {
    const ScopedVariable library("SE_EPHE_PATH", std::nullopt);
    const ScopedVariable own("SAROVIN_EPHEMERIS_PATH", folder);
    return ComputeOnNewThread({NOON_J2000, 28.6, 77.2});
}

std::string RefusalFrom(const std::string& folder) {
    const Result<SwissPositions> positions = ComputeFrom(folder);
    return positions ? std::string("(computed)") : positions.refusal().message;
}

// Each file as it may be found: of another build, damaged where the
// reference positions lie, cut short, far too large, alone. Positions read
// from a damaged file may be silently wrong (Mars 0.43° in an outside
// test), so a file whose positions differ from the references is not used.
TEST(EphemerisFiles, FilesThatAreNotTheKnownOnesAreCheckedByTheirPositions) {
    const std::string expected =
        " Sarovin expects the file of Debian's swe-basic-data 4.0-20221111-2; to restore it, "
        "reinstall that package (apt-get install --reinstall swe-basic-data), which puts it in "
        "/usr/share/libswe/ephe.";
    struct Case {
        const char* what;
        void (*spoil)(const std::filesystem::path& folder);
        std::string refusal;  // after "The Swiss Ephemeris data file "; empty when used
    };
    const Case cases[] = {
        // Bytes no reference moment reads: another build as far as Sarovin
        // can tell, used with a note.
        {"a byte changed in the planets' data",
         [](const std::filesystem::path& folder) {
             std::fstream file(folder / PLANETS, std::ios::in | std::ios::out | std::ios::binary);
             file.seekp(300000);
             file.put('\x5A');
         },
         ""},
        // Mercury in 2100 moves from 288.816° to 269.986° (swetest on the same copy).
        {"the planets' data overwritten from byte 100000",
         [](const std::filesystem::path& folder) {
             std::fstream file(folder / PLANETS, std::ios::in | std::ios::out | std::ios::binary);
             file.seekp(100000);
             file << std::string(20000, 'Z');
         },
         std::string(PLANETS) +
             " in FOLDER is damaged: its positions differ from the reference "
             "ones." +
             expected},
        {"the moon file cut short",
         [](const std::filesystem::path& folder) {
             std::filesystem::resize_file(folder / MOON, 1000000);
         },
         std::string(MOON) + " in FOLDER is damaged: the Swiss Ephemeris cannot read it." +
             expected},
        {"the planet file grown to 3 GB",
         [](const std::filesystem::path& folder) {
             std::filesystem::resize_file(folder / PLANETS, 3LL << 30);
         },
         std::string(PLANETS) + " in FOLDER is too large to be a data file: 3221225472 bytes."},
        {"the planet file alone",
         [](const std::filesystem::path& folder) { std::filesystem::remove(folder / MOON); },
         std::string(MOON) + " was not found in FOLDER."},
    };
    std::string note;
    for (const Case& given : cases) {
        const EmptyFolder folder;
        CopyDataFiles(folder.path());
        given.spoil(folder.path());
        std::string refusal =
            given.refusal.empty() ? "(computed)" : "The Swiss Ephemeris data file " + given.refusal;
        if (const std::size_t at = refusal.find("FOLDER"); at != std::string::npos) {
            refusal.replace(at, 6, folder.path());
        }
        EXPECT_EQ(RefusalFrom(folder.path()), refusal) << given.what;
        if (given.refusal.empty()) {
            note = "The Swiss Ephemeris data file sepl_18.se1 in " + folder.path() +
                   " is not the build Sarovin knows, but its positions agree with the reference "
                   "ones; it is used.";
        }
    }
    EXPECT_EQ(SwissDataFileNotes(), std::vector<std::string>{note});
}

// A damaged file is named in the folder it was opened from: a folder of the
// library's own list, or one whose name holds a backslash.
TEST(EphemerisFiles, ADamagedFileIsNamedInItsOwnFolder) {
    const EmptyFolder parent;
    const std::string first = parent.path() + "/first";
    const std::string second = parent.path() + "/back\\slash";
    std::filesystem::create_directory(first);
    std::filesystem::create_directory(second);
    CopyDataFiles(second);
    std::filesystem::resize_file(std::filesystem::path(second) / MOON, 1000000);
    const ScopedVariable own("SAROVIN_EPHEMERIS_PATH", std::nullopt);
    for (const std::string& list : {second, first + ":" + second}) {
        const ScopedVariable library("SE_EPHE_PATH", list);
        const Result<SwissPositions> positions = ComputeOnNewThread({NOON_J2000, 28.6, 77.2});
        ASSERT_FALSE(positions.has_value()) << list;
        EXPECT_TRUE(positions.refusal().message.starts_with(
            "The Swiss Ephemeris data file semo_18.se1 in " + second + " is damaged"))
            << positions.refusal().message;
    }
}

// A folder that cannot be entered is said to be so, not to lack the files
// (as an account that may not enter it: root enters every folder).
TEST(EphemerisFiles, AFolderThatCannotBeEnteredIsSaidToBeSo) {
    const EmptyFolder folder;
    CopyDataFiles(folder.path());
    ASSERT_EQ(::chmod(folder.path().c_str(), 0), 0);
    const std::string expected = "The Swiss Ephemeris data file sepl_18.se1 in " + folder.path() +
                                 " cannot be read: Permission denied.";
    EXPECT_TRUE(
        testing::HoldsForAnOrdinaryAccount([&] { return RefusalFrom(folder.path()) == expected; }));
    ::chmod(folder.path().c_str(), 0755);
}

// What the library would wait on for ever (a FIFO), read for ever (a
// device) or misread (a folder) is refused before the library opens it.
TEST(EphemerisFiles, WhatIsNotAnOrdinaryFileIsRefusedBeforeTheLibraryOpensIt) {
    struct Case {
        const char* name;
        void (*make)(const std::filesystem::path& file);
    };
    const Case cases[] = {
        {PLANETS,
         [](const std::filesystem::path& file) { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); }},
        {MOON,
         [](const std::filesystem::path& file) { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); }},
        {PLANETS,
         [](const std::filesystem::path& file) { std::filesystem::create_directory(file); }},
        {MOON,
         [](const std::filesystem::path& file) {
             std::filesystem::create_symlink("/dev/zero", file);
         }},
    };
    for (const Case& given : cases) {
        const EmptyFolder folder;
        CopyDataFiles(folder.path());
        const std::filesystem::path file = std::filesystem::path(folder.path()) / given.name;
        std::filesystem::remove(file);
        given.make(file);
        EXPECT_EQ(RefusalFrom(folder.path()), "The Swiss Ephemeris data file " +
                                                  std::string(given.name) + " in " + folder.path() +
                                                  " is not an ordinary file.");
    }
}

// As an account that may not read it (root reads every file).
TEST(EphemerisFiles, AFileThatCannotBeReadIsSaidToBeSo) {
    const EmptyFolder folder;
    CopyDataFiles(folder.path());
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod((folder.path() + "/" + PLANETS).c_str(), 0), 0);
    const std::string expected = "The Swiss Ephemeris data file sepl_18.se1 in " + folder.path() +
                                 " cannot be read: Permission denied.";
    EXPECT_TRUE(
        testing::HoldsForAnOrdinaryAccount([&] { return RefusalFrom(folder.path()) == expected; }));
}

// The library splits its folder at ':' and ';' and takes none of 243
// bytes or more; such folders are reached all the same and give the
// positions of the same files anywhere.
TEST(EphemerisFiles, FolderNamesTheLibraryCannotTakeAreReached) {
    const Result<SwissPositions> expected = ComputeFrom(DEBIAN_FILES);
    ASSERT_TRUE(expected);
    const EmptyFolder parent;
    const std::string longName(243 - parent.path().size() - 1, 'x');
    for (const std::string& name :
         {std::string("with:colon"), std::string("with;semicolon"), longName}) {
        const std::string folder = parent.path() + "/" + name;
        std::filesystem::create_directory(folder);
        CopyDataFiles(folder);
        const Result<SwissPositions> positions = ComputeFrom(folder);
        ASSERT_TRUE(positions) << folder << ": " << positions.refusal().message;
        EXPECT_EQ(positions->longitudes, expected->longitudes) << folder.size();
    }
}

// Links to `folder` left in a sarovin-* folder under `temporary`.
int LinksLeftTo(const std::filesystem::path& temporary, const std::filesystem::path& folder) {
    int left = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(temporary, error)) {
        const std::filesystem::path link = entry.path() / "e";
        if (entry.path().filename().string().starts_with("sarovin-") &&
            std::filesystem::read_symlink(link, error) == folder) {
            ++left;
        }
    }
    return left;
}

// A folder the library cannot take by its name is reached without a folder
// of links, so a run ended by a signal, SIGKILL too, leaves nothing in the
// temporary folder, TMPDIR's or /tmp.
TEST(EphemerisFiles, AFolderReachedByAShortNameLeavesNothingBehind) {
    const EmptyFolder parent;
    const EmptyFolder temporary;
    const std::string folder = parent.path() + "/with:colon";
    std::filesystem::create_directory(folder);
    CopyDataFiles(folder);
    for (const int signal : {SIGTERM, SIGKILL}) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::setenv("TMPDIR", temporary.path().c_str(), 1);
            ::_exit(ComputeFrom(folder) ? ::raise(signal) : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(LinksLeftTo(temporary.path(), folder) + LinksLeftTo("/tmp", folder), 0) << signal;
    }
}

TEST(EphemerisFiles, AFolderNamedWithALineEndIsShownOnOneLine) {
    const std::string missing = EmptyFolder().path();
    EXPECT_EQ(
        RefusalFrom(missing + "/a\nsarovin-report: b"),
        "The Swiss Ephemeris data files were not found in " + missing + "/a?sarovin-report: b.");
}

}  // namespace
}  // namespace sarovin
