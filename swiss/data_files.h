#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "swiss/library_folders.h"
#include "swiss/reference_positions.h"

namespace sarovin {

// The planet and moon files of the Swiss Ephemeris that Sarovin reads.
inline constexpr char PLANET_FILE_NAME[] = "sepl_18.se1";
inline constexpr char MOON_FILE_NAME[] = "semo_18.se1";

// No data file Sarovin reads comes near this size (the planets' is 0.5 MB,
// the Moon's 1.3 MB); a larger one is refused unread.
inline constexpr long long LARGEST_DATA_FILE_BYTES = 16LL * 1024 * 1024;

// What was found about a data file the library opened: a problem that
// keeps it from use, or a note that it is usable but not the build Sarovin
// knows; neither for the known build.
struct DataFileVerdict {
    std::optional<std::string> problem;
    std::optional<std::string> note;
};

// Checks the data file `file` of kind `kind`, which the library has opened
// on the calling thread and which covers startEt to endEt, naming it by its
// name in `shownFolder`. The file is read in blocks, its size checked
// first. The known build is used as it is; any other is used, with a
// note, when the library's positions from it agree with the reference
// positions, and refused as damaged when they do not.
DataFileVerdict CheckOpenedDataFile(const std::filesystem::path& file, DataFileKind kind,
                                    const std::string& shownFolder, double startEt, double endEt);

// Why the library could read no data from `folders`: both files missing
// from `shownList`; else the first of the two files found in a folder that
// cannot be entered or that cannot be read; else the first missing; else
// the first that is not the build Sarovin knows, taken for the damaged one.
std::string DiagnoseFolders(const std::vector<SearchedFolder>& folders,
                            const std::string& shownList);

// What would keep the library from opening the data files in `folders`
// safely, checked before it opens any: the first entry of either name it
// would open is not an ordinary file (a FIFO it would wait on for ever, a
// device, a folder) or is too large to be a data file. Nothing when each
// is absent, cannot be opened (the library passes over it too) or is an
// ordinary file of a data file's size.
std::optional<std::string> ProblemBeforeOpening(const std::vector<SearchedFolder>& folders);

// A folder the library can be handed for `folder`: the folder itself, or,
// when the library would split its name at ':' or ';' or refuse it as too
// long, a short name for it kept for the run (/proc/self/fd/N of a
// descriptor held open on it, which leaves nothing behind; without /proc,
// a link in a private folder under TMPDIR, removed when the program ends).
std::string LibraryFolderFor(const std::string& folder);

}  // namespace sarovin
