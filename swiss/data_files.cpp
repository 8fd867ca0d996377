#include "swiss/data_files.h"

#include <fcntl.h>
#include <swephexp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string_view>

#include "swiss/sha256.h"
#include "text/printable_text.h"

namespace sarovin {

namespace {

struct KnownFile {
    std::string_view name;
    std::string_view sha256;
};

// The files of Debian's swe-basic-data 4.0-20221111-2, as Astrodienst made
// them. Their SHA-256 is kept here rather than read from the package's
// md5sums list: that list vouches only for the package's own folder, not
// for copies elsewhere, exists only where dpkg installed the files, and
// MD5 no longer tells made-to-match files apart; a checksum in the program
// is the same reference wherever the files are.
constexpr std::array<KnownFile, 2> KNOWN_FILES = {{
    {PLANET_FILE_NAME, "0b7e416e3c1be9e6a0dd1d711dae7f7685793a0e7df13f76363a493dc27b6ea1"},
    {MOON_FILE_NAME, "ecfa54dbf5bc0b5a9bc3e04ed28629a821e98625eacae38f4070593bba0e2980"},
}};

// libswe takes a folder list of at most this many bytes, split at these.
constexpr std::size_t LIBRARY_FOLDER_BYTES = AS_MAXCH - 1 - 13;
constexpr std::string_view LIBRARY_SEPARATORS = ":;\\";

std::string FileText(const std::filesystem::path& file, const std::string& shownFolder) {
    return "The Swiss Ephemeris data file " + PrintableText(file.filename().native()) + " in " +
           PrintableText(shownFolder);
}

std::string_view KnownSha256(const std::filesystem::path& file) {
    for (const KnownFile& known : KNOWN_FILES) {
        if (file.filename() == known.name) {
            return known.sha256;
        }
    }
    return {};
}

// The whole file, or the system's reason it cannot be read.
std::optional<std::string> ReadWhole(const std::filesystem::path& file, std::string& bytes) {
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return std::strerror(errno);
    }
    char block[65536];
    ssize_t count = 0;
    while ((count = ::read(descriptor, block, sizeof block)) > 0 || (count < 0 && errno == EINTR)) {
        bytes.append(block, static_cast<std::size_t>(std::max<ssize_t>(count, 0)));
    }
    const int readError = count < 0 ? errno : 0;
    ::close(descriptor);
    return readError == 0 ? std::nullopt : std::optional<std::string>(std::strerror(readError));
}

// The link's private folder, made on first need and removed at exit.
class PrivateLink {
  public:
    explicit PrivateLink(const std::string& folder) {
        char pattern[] = "/tmp/sarovin-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) {
            return;
        }
        holder_ = pattern;
        link_ = holder_ + "/e";
        std::error_code error;
        if (::symlink(std::filesystem::absolute(folder, error).c_str(), link_.c_str()) != 0) {
            link_.clear();
        }
    }
    ~PrivateLink() {
        if (!link_.empty()) {
            ::unlink(link_.c_str());
        }
        if (!holder_.empty()) {
            ::rmdir(holder_.c_str());
        }
    }
    PrivateLink(const PrivateLink&) = delete;
    PrivateLink& operator=(const PrivateLink&) = delete;

    const std::string& Path() const { return link_; }

  private:
    std::string holder_;
    std::string link_;
};

}  // namespace

std::optional<std::string> DataFileProblem(const std::filesystem::path& file,
                                           const std::string& shownFolder) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return "The Swiss Ephemeris data file " + PrintableText(file.filename().native()) +
               " was not found in " + PrintableText(shownFolder) + ".";
    }
    std::string bytes;
    if (const std::optional<std::string> why = ReadWhole(file, bytes)) {
        return FileText(file, shownFolder) + " cannot be read: " + *why + ".";
    }
    if (Sha256Hex(bytes) != KnownSha256(file)) {
        return FileText(file, shownFolder) +
               " is damaged or not a version Sarovin knows: its SHA-256 checksum differs.";
    }
    return std::nullopt;
}

std::optional<std::string> ProblemBeforeOpening(const std::vector<SearchedFolder>& folders) {
    for (const char* name : {PLANET_FILE_NAME, MOON_FILE_NAME}) {
        for (const SearchedFolder& folder : folders) {
            const std::filesystem::path file = LibraryFilePath(folder, name);
            struct stat status {};
            if (::stat(file.c_str(), &status) != 0) {
                continue;
            }
            if (!S_ISREG(status.st_mode)) {
                return FileText(file, folder.shown) + " is not an ordinary file.";
            }
            if (::access(file.c_str(), R_OK) == 0) {
                break;
            }
        }
    }
    return std::nullopt;
}

std::string LibraryFolderFor(const std::string& folder) {
    if (folder.size() <= LIBRARY_FOLDER_BYTES &&
        folder.find_first_of(LIBRARY_SEPARATORS) == std::string::npos) {
        return folder;
    }
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<const PrivateLink>> links;
    const std::lock_guard lock(mutex);
    std::unique_ptr<const PrivateLink>& link = links[folder];
    if (!link) {
        link = std::make_unique<const PrivateLink>(folder);
    }
    return link->Path();
}

}  // namespace sarovin
