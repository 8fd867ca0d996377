#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "swiss/library_folders.h"

namespace sarovin {

// The planet and moon files of the Swiss Ephemeris that Sarovin reads.
inline constexpr char PLANET_FILE_NAME[] = "sepl_18.se1";
inline constexpr char MOON_FILE_NAME[] = "semo_18.se1";

// What keeps the data file `file` from use, as the sentence a person is
// shown, naming the file by its name in `shownFolder`: missing, unreadable,
// or not byte for byte the file Sarovin knows (damaged, cut short or of
// another version). Nothing when it is the known file.
std::optional<std::string> DataFileProblem(const std::filesystem::path& file,
                                           const std::string& shownFolder);

// What would keep the library from opening the data files in `folders`
// safely, checked before it opens any: the first entry of either name it
// would open is not an ordinary file (a FIFO it would wait on for ever, a
// device, a folder). Nothing when each is absent, cannot be opened (the
// library passes over it too) or is an ordinary file.
std::optional<std::string> ProblemBeforeOpening(const std::vector<SearchedFolder>& folders);

// A folder the library can be handed for `folder`: the folder itself, or,
// when the library would split its name at ':' or ';' or refuse it as too
// long, a short link to it in a private folder of the program's own,
// removed when the program ends.
std::string LibraryFolderFor(const std::string& folder);

}  // namespace sarovin
