#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "swiss/swiss_ephemeris.h"

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

}  // namespace
}  // namespace sarovin
