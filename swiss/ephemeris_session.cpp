#include "swiss/ephemeris_session.h"

#include <swephexp.h>

#include <algorithm>
#include <cstdlib>

#include "common/result.h"

namespace sarovin {

namespace {

constexpr double J2000 = 2451545.0;
constexpr int PLANET_FILE = 0;
constexpr int MOON_FILE = 1;

// libswe falls back to its built-in folder when given one longer than this or
// one holding a backslash.
bool LibraryTakesFolder(const std::string& folder) {
    return !folder.empty() && folder.size() <= AS_MAXCH - 1 - 13 &&
           folder.find('\\') == std::string::npos;
}

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// libswe reads its own SE_EPHE_PATH ahead of the folder it is handed, so
// that variable, when set, names the folder in use.
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

// Reads the Sun and the Moon at J2000; when both come from the files, the
// planet and moon files now open give the span served.
EphemerisFiles FindFiles(const std::string& folder) {
    EphemerisFiles files{.folder = folder};
    if (!LibraryTakesFolder(folder) || !ReadsFromFiles(SE_SUN) || !ReadsFromFiles(SE_MOON)) {
        return files;
    }
    double planetStart = 0;
    double planetEnd = 0;
    double moonStart = 0;
    double moonEnd = 0;
    int denum = 0;
    if (swe_get_current_file_data(PLANET_FILE, &planetStart, &planetEnd, &denum) == nullptr ||
        swe_get_current_file_data(MOON_FILE, &moonStart, &moonEnd, &denum) == nullptr) {
        return files;
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
        swe_set_ephe_path(folder.c_str());
        swe_set_sid_mode(siderealMode_, 0, 0);
        files_ = FindFiles(folder);
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

Refusal MissingFilesRefusal(const EphemerisFiles& files) {
    return RefuseWith("The Swiss Ephemeris data files were not found in " + files.folder + ".");
}

Refusal OutsideFilesRefusal(const EphemerisFiles& files) {
    return RefuseWith("The Swiss Ephemeris files cover " + std::to_string(files.firstYear) +
                      " to " + std::to_string(files.lastYear) + " only.");
}

}  // namespace sarovin
