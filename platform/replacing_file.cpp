#include "platform/replacing_file.h"

#include "platform/removal_on_signal.h"

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
// Writes are gathered into blocks of this size before they reach the disk.
constexpr std::size_t BLOCK_BYTES = 64 * 1024;

constexpr char NOT_ORDINARY[] = "It is not an ordinary file.";
constexpr char PLANTED_LINK[] =
    "It is a link another account made in a shared folder, which is not followed.";

// The system's rule for links in a sticky folder others may write (such as
// /tmp): one is followed only when it belongs to the user following it or
// to the folder's owner. The program follows links itself, so it keeps
// the rule itself.
bool MayFollow(const std::filesystem::path& link) {
    struct stat linkStatus {};
    struct stat folderStatus {};
    const std::filesystem::path folder = link.parent_path().empty() ? "." : link.parent_path();
    if (::lstat(link.c_str(), &linkStatus) != 0 || ::stat(folder.c_str(), &folderStatus) != 0) {
        return false;
    }
    const bool shared = (folderStatus.st_mode & S_ISVTX) != 0 && (folderStatus.st_mode & S_IWOTH);
    return !shared || linkStatus.st_uid == ::geteuid() || linkStatus.st_uid == folderStatus.st_uid;
}

// Saving over a symbolic link replaces the file it points to and keeps
// the link; links that never end in a file leave the name as given. Empty
// when a link may not be followed.
std::filesystem::path FollowLinks(const std::filesystem::path& given) {
    std::filesystem::path path = given;
    std::error_code error;
    for (int step = 0; step < MOST_LINKS && std::filesystem::is_symlink(path, error); ++step) {
        if (!MayFollow(path)) {
            return {};
        }
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) {
            return given;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::filesystem::is_symlink(path, error) ? given : path;
}

// A short hidden name of its own, whatever the length of the target's
// name; a copy that ends before it commits leaves at most this behind.
std::filesystem::path PassingName(std::mt19937& random) {
    constexpr char DIGITS[] = "0123456789abcdef";
    std::string name = ".sarovin-";
    for (int digit = 0; digit < 8; ++digit) {
        name += DIGITS[random() % 16];
    }
    return name;
}

// The folder that holds `file`: "." for a bare name.
std::filesystem::path FolderOf(const std::filesystem::path& file) {
    return file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
}

// Only an ordinary file the user may write is replaced: the old file's
// permissions say whether it is to change, and a FIFO or device written
// over would be a file no longer.
bool MayReplace(const std::filesystem::path& target, std::string& problem) {
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0) {
        // No file yet, or a link in a circle that is itself replaced.
        return errno == ENOENT || errno == ELOOP;
    }
    if (S_ISDIR(status.st_mode)) {
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        problem = NOT_ORDINARY;
        return false;
    }
    return ::access(target.c_str(), W_OK) == 0;
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
    if (target_.empty()) {
        problem_ = PLANTED_LINK;
        return false;
    }
    if (!MayReplace(target_, problem_)) {
        return false;
    }
    // An unnamed file in the target's folder, named only once complete,
    // leaves nothing behind however the program ends, SIGKILL included;
    // where the file system has none, a hidden passing name is used.
    descriptor_ =
        ::open(FolderOf(target_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, NEW_FILE_MODE);
    if (descriptor_ < 0 && !MakePassingFile()) {
        return false;
    }
    KeepPermissions(target_, descriptor_);
    buffer_.reserve(BLOCK_BYTES);
    return QIODevice::open(QIODevice::WriteOnly);
}

bool ReplacingFile::Commit() {
    if (descriptor_ < 0) {
        return false;
    }
    const bool whole = WriteOut() && !failed_ && ::fsync(descriptor_) == 0 && NamePassingFile();
    const bool closed = ::close(descriptor_) == 0;
    descriptor_ = -1;
    QIODevice::close();
    if (!whole || !closed || ::rename(passing_.c_str(), target_.c_str()) != 0) {
        Discard();
        return false;
    }
    ForgetRemoveOnSignal(passing_.c_str());
    passing_.clear();
    return true;
}

// A new file under a hidden passing name beside the target, open for
// writing; false when the folder takes no new file.
bool ReplacingFile::MakePassingFile() {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int tried = 0; tried < MOST_NAME_TRIES && descriptor_ < 0; ++tried) {
        passing_ = FolderOf(target_) / PassingName(random);
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
    RemoveOnSignal(passing_.c_str());
    return true;
}

// Gives the unnamed file a hidden passing name beside the target, from
// which it takes the target's place; a file already named keeps its name.
bool ReplacingFile::NamePassingFile() {
    if (!passing_.empty()) {
        return true;
    }
    const std::string unnamed = "/proc/self/fd/" + std::to_string(descriptor_);
    std::random_device seed;
    std::mt19937 random(seed());
    for (int tried = 0; tried < MOST_NAME_TRIES; ++tried) {
        passing_ = FolderOf(target_) / PassingName(random);
        if (::linkat(AT_FDCWD, unnamed.c_str(), AT_FDCWD, passing_.c_str(), AT_SYMLINK_FOLLOW) ==
            0) {
            RemoveOnSignal(passing_.c_str());
            return true;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    passing_.clear();
    return false;
}

qint64 ReplacingFile::readData(char*, qint64) {
    return -1;
}

qint64 ReplacingFile::writeData(const char* data, qint64 size) {
    if (failed_ || descriptor_ < 0) {
        return -1;
    }
    buffer_.append(data, static_cast<std::size_t>(size));
    if (buffer_.size() >= BLOCK_BYTES && !WriteOut()) {
        return -1;
    }
    return size;
}

// Writes the gathered bytes to the passing file, however many calls the
// system takes; a failure is remembered for good.
bool ReplacingFile::WriteOut() {
    std::size_t done = 0;
    while (!failed_ && done < buffer_.size()) {
        const ssize_t count = ::write(descriptor_, buffer_.data() + done, buffer_.size() - done);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        failed_ = count <= 0;
        done += failed_ ? 0 : static_cast<std::size_t>(count);
    }
    buffer_.clear();
    return !failed_;
}

void ReplacingFile::Discard() {
    QIODevice::close();
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    if (!passing_.empty()) {
        ::unlink(passing_.c_str());
        ForgetRemoveOnSignal(passing_.c_str());
        passing_.clear();
    }
}

std::string SaveFailureMessage(std::string_view failure, const ReplacingFile& file) {
    std::string message(failure);
    if (!file.Problem().empty()) {
        message += ' ';
        message += file.Problem();
    }
    return message;
}

}  // namespace sarovin
