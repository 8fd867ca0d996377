#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sarovin {

// A folder libswe searches for its data files: as handed to the library,
// and as a person is shown it.
struct SearchedFolder {
    std::string path;
    std::string shown;
};

// The folders libswe searches for a data file, in its order, once it is
// handed the folder list `handed`: its own SE_EPHE_PATH when set and short
// enough, else `handed`, else its built-in list. The list is split at ':'
// and ';' (a backslash is part of a name, as Debian's build reads it), and an
// empty part or "." is the current folder. `handed` may be a private link
// standing for `folder` (LibraryFolderFor), which is then shown instead.
std::vector<SearchedFolder> LibrarySearchFolders(const std::string& handed,
                                                 const std::string& folder);

// The path libswe opens for the file `name` in `folder`.
std::filesystem::path LibraryFilePath(const SearchedFolder& folder, const char* name);

// The folder, as shown, that holds `file`, a path the library opened in one
// of `folders`.
std::string ShownFolderOf(const std::filesystem::path& file,
                          const std::vector<SearchedFolder>& folders);

}  // namespace sarovin
