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

#include "common/file_descriptor.h"
#include "text/printable_text.h"

namespace sarovin {

namespace {

// The build Sarovin knows: the files of Debian's swe-basic-data
// 4.0-20221111-2, as Astrodienst made them from JPL's DE431, known by size
// and by the standard library's hash of their bytes. Another standard
// library hashes otherwise, and its builds then take the files for another
// build: they check their positions and say so, and use them all the same.
struct KnownFile {
    std::string_view name;
    std::size_t bytes;
    std::size_t hash;
};

constexpr std::array<KnownFile, 2> KNOWN_FILES = {{
    {PLANET_FILE_NAME, 484055, 3821956058797219597U},
    {MOON_FILE_NAME, 1304771, 16217048850182055379U},
}};

constexpr std::string_view EXPECTED_BUILD =
    " Sarovin expects the file of Debian's swe-basic-data 4.0-20221111-2; to restore it, "
    "reinstall that package (apt-get install --reinstall swe-basic-data), which puts it "
    "in " SAROVIN_SWISS_DATA_DIR ".";

// libswe takes a folder list of at most this many bytes, split at these.
constexpr std::size_t LIBRARY_FOLDER_BYTES = AS_MAXCH - 1 - 13;
constexpr std::string_view LIBRARY_SEPARATORS = ":;\\";

constexpr std::size_t READ_BLOCK_BYTES = 64 * 1024;

std::string FileText(const std::filesystem::path& file, const std::string& shownFolder) {
    return "The Swiss Ephemeris data file " + PrintableText(file.filename().native()) + " in " +
           PrintableText(shownFolder);
}

std::string TooLargeText(const std::filesystem::path& file, const std::string& shownFolder,
                         long long bytes) {
    return FileText(file, shownFolder) +
           " is too large to be a data file: " + std::to_string(bytes) + " bytes.";
}

bool IsKnownBuild(const std::filesystem::path& file, std::string_view bytes) {
    return std::ranges::any_of(KNOWN_FILES, [&](const KnownFile& known) {
        return file.filename() == known.name && bytes.size() == known.bytes &&
               std::hash<std::string_view>{}(bytes) == known.hash;
    });
}

// The bytes of `file`, read in blocks once its size is known to be a data
// file's, or the sentence that says why they cannot be had.
std::optional<std::string> ReadDataFile(const std::filesystem::path& file,
                                        const std::string& shownFolder, std::string& bytes) {
    const FileDescriptor descriptor(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (descriptor.get() < 0 || ::fstat(descriptor.get(), &status) != 0) {
        return FileText(file, shownFolder) + " cannot be read: " + std::strerror(errno) + ".";
    }
    if (!S_ISREG(status.st_mode)) {
        return FileText(file, shownFolder) + " is not an ordinary file.";
    }
    if (status.st_size > LARGEST_DATA_FILE_BYTES) {
        return TooLargeText(file, shownFolder, status.st_size);
    }
    bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const std::size_t wanted = std::min(READ_BLOCK_BYTES, bytes.size() - filled);
        const ssize_t count = ::read(descriptor.get(), bytes.data() + filled, wanted);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return FileText(file, shownFolder) + " cannot be read: " + std::strerror(errno) + ".";
        }
        if (count == 0) {
            break;
        }
        filled += static_cast<std::size_t>(count);
    }
    bytes.resize(filled);
    return std::nullopt;
}

// Where the library looked for one data file: the first entry of its name in
// a searched folder, or the folder it could not enter; neither when the
// file is in none.
struct FileSearch {
    std::optional<std::filesystem::path> file;
    std::string shownFolder;
    bool denied = false;
};

FileSearch SearchFile(const char* name, const std::vector<SearchedFolder>& folders) {
    for (const SearchedFolder& folder : folders) {
        const std::filesystem::path file = LibraryFilePath(folder, name);
        struct stat status {};
        if (::stat(file.c_str(), &status) == 0) {
            return {file, folder.shown, false};
        }
        if (errno == EACCES) {
            return {file, folder.shown, true};
        }
    }
    return {};
}

// Why the file found cannot be read, or, for the build Sarovin does not
// know, that it is taken for the damaged one.
std::optional<std::string> FoundFileProblem(const FileSearch& search, bool blameUnknown) {
    if (!search.file) {
        return std::nullopt;
    }
    const std::filesystem::path& file = *search.file;
    if (search.denied) {
        return FileText(file, search.shownFolder) + " cannot be read: " + std::strerror(EACCES) +
               ".";
    }
    std::string bytes;
    if (std::optional<std::string> why = ReadDataFile(file, search.shownFolder, bytes)) {
        return why;
    }
    if (blameUnknown && !IsKnownBuild(file, bytes)) {
        return FileText(file, search.shownFolder) +
               " is damaged: the Swiss Ephemeris cannot read it." + std::string(EXPECTED_BUILD);
    }
    return std::nullopt;
}

// The system's temporary folder: TMPDIR when it names one, else /tmp.
std::string TemporaryFolder() {
    const char* named = std::getenv("TMPDIR");
    return named != nullptr && named[0] == '/' ? std::string(named) : std::string("/tmp");
}

// A short name for a folder, kept for the run: the process's own name for
// a descriptor held open on the folder, which leaves nothing behind however
// the program ends; where the system has no such names, a link in a
// private folder under the temporary folder, removed at exit.
class ShortFolderName {
  public:
    explicit ShortFolderName(const std::string& folder) {
        descriptor_ = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (descriptor_ >= 0) {
            name_ = "/proc/self/fd/" + std::to_string(descriptor_);
            struct stat status {};
            if (::stat(name_.c_str(), &status) == 0) {
                return;
            }
            name_.clear();
        }
        std::string pattern = TemporaryFolder() + "/sarovin-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            return;
        }
        holder_ = pattern;
        std::error_code error;
        const std::string link = holder_ + "/e";
        if (::symlink(std::filesystem::absolute(folder, error).c_str(), link.c_str()) == 0) {
            name_ = link;
        }
    }
    ~ShortFolderName() {
        if (!holder_.empty()) {
            ::unlink((holder_ + "/e").c_str());
            ::rmdir(holder_.c_str());
        }
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    ShortFolderName(const ShortFolderName&) = delete;
    ShortFolderName& operator=(const ShortFolderName&) = delete;

    const std::string& Path() const { return name_; }

  private:
    int descriptor_ = -1;
    std::string holder_;
    std::string name_;
};

}  // namespace

DataFileVerdict CheckOpenedDataFile(const std::filesystem::path& file, DataFileKind kind,
                                    const std::string& shownFolder, double startEt, double endEt) {
    std::string bytes;
    if (std::optional<std::string> why = ReadDataFile(file, shownFolder, bytes)) {
        return {std::move(why), std::nullopt};
    }
    if (IsKnownBuild(file, bytes)) {
        return {};
    }
    if (!AgreesWithReferencePositions(kind, startEt, endEt)) {
        return {FileText(file, shownFolder) +
                    " is damaged: its positions differ from the reference ones." +
                    std::string(EXPECTED_BUILD),
                std::nullopt};
    }
    return {std::nullopt, FileText(file, shownFolder) +
                              " is not the build Sarovin knows, but its positions agree with "
                              "the reference ones; it is used."};
}

std::string DiagnoseFolders(const std::vector<SearchedFolder>& folders,
                            const std::string& shownList) {
    const FileSearch searches[] = {SearchFile(PLANET_FILE_NAME, folders),
                                   SearchFile(MOON_FILE_NAME, folders)};
    const char* names[] = {PLANET_FILE_NAME, MOON_FILE_NAME};
    if (!searches[0].file && !searches[1].file) {
        return "The Swiss Ephemeris data files were not found in " + PrintableText(shownList) + ".";
    }
    for (const FileSearch& search : searches) {
        if (std::optional<std::string> problem = FoundFileProblem(search, false)) {
            return *problem;
        }
    }
    for (int index = 0; index < 2; ++index) {
        if (!searches[index].file) {
            return "The Swiss Ephemeris data file " + std::string(names[index]) +
                   " was not found in " + PrintableText(shownList) + ".";
        }
    }
    for (const FileSearch& search : searches) {
        if (std::optional<std::string> problem = FoundFileProblem(search, true)) {
            return *problem;
        }
    }
    return FileText(*searches[0].file, searches[0].shownFolder) +
           " is damaged: the Swiss Ephemeris cannot read it." + std::string(EXPECTED_BUILD);
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
            if (status.st_size > LARGEST_DATA_FILE_BYTES) {
                return TooLargeText(file, folder.shown, status.st_size);
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
    static std::map<std::string, std::unique_ptr<const ShortFolderName>> names;
    const std::lock_guard lock(mutex);
    std::unique_ptr<const ShortFolderName>& name = names[folder];
    if (!name) {
        name = std::make_unique<const ShortFolderName>(folder);
    }
    return name->Path();
}

}  // namespace sarovin
