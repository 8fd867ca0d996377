#include "swiss/ephemeris_session.h"

#include <swephexp.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>

#include "common/result.h"
#include "swiss/data_files.h"
#include "text/printable_text.h"

namespace sarovin {

namespace {

constexpr double J2000 = 2451545.0;
constexpr int PLANET_FILE = 0;
constexpr int MOON_FILE = 1;

// libswe falls back to its built-in folders when given a list longer than
// this.
bool LibraryTakesFolder(const std::string& folder) {
    return !folder.empty() && folder.size() <= AS_MAXCH - 1 - 13;
}

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// libswe reads its own SE_EPHE_PATH ahead of the folder it is handed, so
// that variable, when set, names the folder in use (a list, as the library
// reads it).
std::string ChooseFolder() {
    const std::string libraryFolder = EnvironmentValue("SE_EPHE_PATH");
    if (LibraryTakesFolder(libraryFolder)) {
        return libraryFolder;
    }
    const std::string ownFolder = EnvironmentValue("SAROVIN_EPHEMERIS_PATH");
    return ownFolder.empty() ? std::string(SAROVIN_SWISS_DATA_DIR) : ownFolder;
}

bool ReadsFromFiles(int body) {
    double position[6];
    char error[AS_MAXCH] = "";
    const int32 returned = swe_calc_ut(J2000, body, SEFLG_SWIEPH, position, error);
    return returned != ERR && (returned & SEFLG_SWIEPH) != 0;
}

int YearOf(double julianDay) {
    int year = 0;
    int month = 0;
    int day = 0;
    double hour = 0;
    swe_revjul(julianDay, SE_GREG_CAL, &year, &month, &day, &hour);
    return year;
}

double NewYear(int year) {
    return swe_julday(year, 1, 1, 0.0, SE_GREG_CAL);
}

double UniversalFromEphemerisTime(double julianDayEt) {
    char error[AS_MAXCH] = "";
    return julianDayEt - swe_deltat_ex(julianDayEt, SEFLG_SWIEPH, error);
}

// The files' span is kept in whole calendar years of Universal Time, so
// that the years named in a refusal are exactly the years served.
void SetWholeYears(double startEt, double endEt, EphemerisFiles& files) {
    const double start = UniversalFromEphemerisTime(startEt);
    const double end = UniversalFromEphemerisTime(endEt);
    files.firstYear = YearOf(start);
    if (NewYear(files.firstYear) < start) {
        ++files.firstYear;
    }
    files.lastYear = YearOf(end) - 1;
    files.firstJulianDayUt = NewYear(files.firstYear);
    files.endJulianDayUt = NewYear(files.lastYear + 1);
}

struct OpenedFile {
    const char* path;
    DataFileKind kind;
    std::string shownFolder;
    double startEt;
    double endEt;
};

// The verdicts on the files the library opened, one a file for the run
// whatever the number of threads, in the order of their paths.
std::map<std::string, DataFileVerdict>& Verdicts(std::mutex*& mutex) {
    static std::mutex verdictsMutex;
    static std::map<std::string, DataFileVerdict> verdicts;
    mutex = &verdictsMutex;
    return verdicts;
}

// What is wrong with a file the library opened, checked once per run.
std::optional<std::string> CheckedOnce(const OpenedFile& opened) {
    std::mutex* mutex = nullptr;
    std::map<std::string, DataFileVerdict>& verdicts = Verdicts(mutex);
    const std::lock_guard lock(*mutex);
    const auto [found, added] = verdicts.try_emplace(opened.path);
    if (added) {
        found->second = CheckOpenedDataFile(opened.path, opened.kind, opened.shownFolder,
                                            opened.startEt, opened.endEt);
    }
    return found->second.problem;
}

// Reads the Sun and the Moon at J2000; when both come from the files, and
// these pass their checks, the planet and moon files now open give the span
// served.
EphemerisFiles FindFiles(const std::string& folder, const std::string& libraryFolder) {
    EphemerisFiles files{.folder = folder};
    const std::vector<SearchedFolder> folders = LibrarySearchFolders(libraryFolder, folder);
    if (!LibraryTakesFolder(libraryFolder)) {
        files.problem = DiagnoseFolders({{folder, folder}}, folder);
        return files;
    }
    if (!ReadsFromFiles(SE_SUN) || !ReadsFromFiles(SE_MOON)) {
        files.problem = DiagnoseFolders(folders, folder);
        return files;
    }
    double planetStart = 0;
    double planetEnd = 0;
    double moonStart = 0;
    double moonEnd = 0;
    int denum = 0;
    const char* planetFile =
        swe_get_current_file_data(PLANET_FILE, &planetStart, &planetEnd, &denum);
    const char* moonFile = swe_get_current_file_data(MOON_FILE, &moonStart, &moonEnd, &denum);
    std::error_code error;
    if (planetFile == nullptr || moonFile == nullptr ||
        !std::filesystem::exists(planetFile, error) || !std::filesystem::exists(moonFile, error)) {
        files.problem = DiagnoseFolders(folders, folder);
        return files;
    }
    const OpenedFile opened[] = {
        {planetFile, DataFileKind::Planets, ShownFolderOf(planetFile, folders), planetStart,
         planetEnd},
        {moonFile, DataFileKind::Moon, ShownFolderOf(moonFile, folders), moonStart, moonEnd},
    };
    for (const OpenedFile& file : opened) {
        if (std::optional<std::string> problem = CheckedOnce(file)) {
            files.problem = std::move(*problem);
            return files;
        }
    }
    files.found = true;
    SetWholeYears(std::max(planetStart, moonStart), std::min(planetEnd, moonEnd), files);
    return files;
}

// libswe keeps its state, open files included, in thread-local storage in
// Debian's build, so each thread sets it up and closes it for itself.
class ThreadEphemeris {
  public:
    ThreadEphemeris() {
        const std::string folder = ChooseFolder();
        const std::string libraryFolder = LibraryFolderFor(folder);
        // Setting the folder opens the moon file, so what the library
        // cannot open safely is refused first.
        if (std::optional<std::string> problem =
                ProblemBeforeOpening(LibrarySearchFolders(libraryFolder, folder))) {
            files_ = {.folder = folder, .problem = std::move(*problem)};
            return;
        }
        swe_set_ephe_path(libraryFolder.c_str());
        swe_set_sid_mode(siderealMode_, 0, 0);
        files_ = FindFiles(folder, libraryFolder);
    }
    ~ThreadEphemeris() { swe_close(); }
    ThreadEphemeris(const ThreadEphemeris&) = delete;
    ThreadEphemeris& operator=(const ThreadEphemeris&) = delete;

    const EphemerisFiles& files() const { return files_; }

    void UseSiderealMode(int mode) {
        if (mode != siderealMode_) {
            swe_set_sid_mode(mode, 0, 0);
            siderealMode_ = mode;
        }
    }

  private:
    EphemerisFiles files_;
    int siderealMode_ = SE_SIDM_LAHIRI;
};

ThreadEphemeris& ThisThreadEphemeris() {
    thread_local ThreadEphemeris ephemeris;
    return ephemeris;
}

}  // namespace

const EphemerisFiles& PrepareThreadEphemeris() {
    return ThisThreadEphemeris().files();
}

void UseThreadSiderealMode(int mode) {
    ThisThreadEphemeris().UseSiderealMode(mode);
}

std::vector<std::string> SwissDataFileNotes() {
    std::mutex* mutex = nullptr;
    const std::map<std::string, DataFileVerdict>& verdicts = Verdicts(mutex);
    const std::lock_guard lock(*mutex);
    std::vector<std::string> notes;
    for (const auto& [path, verdict] : verdicts) {
        if (verdict.note) {
            notes.push_back(*verdict.note);
        }
    }
    return notes;
}

Refusal UnusableFilesRefusal(const EphemerisFiles& files) {
    return RefuseWith(files.problem);
}

Refusal OutsideFilesRefusal(const EphemerisFiles& files) {
    return RefuseWith("The Swiss Ephemeris files cover " + std::to_string(files.firstYear) +
                      " to " + std::to_string(files.lastYear) + " only.");
}

}  // namespace sarovin
