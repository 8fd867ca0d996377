#include "platform/replacing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <random>
#include <string>

namespace sarovin {

namespace {

// The system's own limit on links followed in one name.
constexpr int MOST_LINKS = 40;
constexpr int MOST_NAME_TRIES = 100;
// Less the user's umask, which the system takes off.
constexpr mode_t NEW_FILE_MODE = 0666;
constexpr mode_t PERMISSION_BITS = 07777;

// Saving over a symbolic link replaces the file it points to and keeps
// the link.
std::filesystem::path FollowLinks(std::filesystem::path path) {
    std::error_code error;
    for (int step = 0; step < MOST_LINKS && std::filesystem::is_symlink(path, error); ++step) {
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) {
            break;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

std::string RandomSuffix(std::mt19937& random) {
    constexpr char DIGITS[] = "0123456789abcdef";
    std::string suffix = ".";
    for (int digit = 0; digit < 8; ++digit) {
        suffix += DIGITS[random() % 16];
    }
    return suffix;
}

void KeepPermissions(const std::filesystem::path& target, int descriptor) {
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0) {
        ::fchmod(descriptor, status.st_mode & PERMISSION_BITS);
    }
}

}  // namespace

ReplacingFile::ReplacingFile(std::filesystem::path target) : target_(std::move(target)) {}

ReplacingFile::~ReplacingFile() {
    Discard();
}

bool ReplacingFile::Open() {
    // Past the file-size limit the system would end the program with
    // SIGXFSZ; ignored, the write fails instead and is reported.
    std::signal(SIGXFSZ, SIG_IGN);
    target_ = FollowLinks(target_);
    std::random_device seed;
    std::mt19937 random(seed());
    for (int tried = 0; tried < MOST_NAME_TRIES && descriptor_ < 0; ++tried) {
        passing_ = target_;
        passing_ += RandomSuffix(random);
        descriptor_ = ::open(passing_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY,
                             NEW_FILE_MODE);
        if (descriptor_ < 0 && errno != EEXIST) {
            break;
        }
    }
    if (descriptor_ < 0) {
        passing_.clear();
        return false;
    }
    KeepPermissions(target_, descriptor_);
    if (!device_.open(descriptor_, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        Discard();
        return false;
    }
    return true;
}

// A short write (a full disk, a file size limit) can go unreported by the
// buffered device, so the size on disk is checked before the file takes
// the target's place.
bool ReplacingFile::Commit() {
    if (descriptor_ < 0) {
        return false;
    }
    const qint64 written = device_.pos();
    struct stat status {};
    const bool whole = device_.flush() && ::fstat(descriptor_, &status) == 0 &&
                       status.st_size == written && ::fsync(descriptor_) == 0;
    device_.close();
    const bool closed = ::close(descriptor_) == 0;
    descriptor_ = -1;
    if (!whole || !closed || ::rename(passing_.c_str(), target_.c_str()) != 0) {
        Discard();
        return false;
    }
    passing_.clear();
    return true;
}

void ReplacingFile::Discard() {
    device_.close();
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    if (!passing_.empty()) {
        ::unlink(passing_.c_str());
        passing_.clear();
    }
}

}  // namespace sarovin
