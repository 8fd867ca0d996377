#include "swiss/library_folders.h"

#include <swephexp.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace sarovin {

namespace {

// libswe takes a folder list of at most this many bytes.
constexpr std::size_t LIBRARY_LIST_BYTES = AS_MAXCH - 1 - 13;
constexpr std::string_view LIST_SEPARATORS = ":;";
constexpr char FOLDER_END = '/';
constexpr std::string_view CURRENT_FOLDER = ".";

bool LibraryTakesList(const char* list) {
    return list != nullptr && *list != '\0' && std::string_view(list).size() <= LIBRARY_LIST_BYTES;
}

// The list as libswe keeps it, ended with a folder separator.
std::string ListInUse(const std::string& handed) {
    const char* own = std::getenv("SE_EPHE_PATH");
    std::string list = LibraryTakesList(own)              ? std::string(own)
                       : LibraryTakesList(handed.c_str()) ? handed
                                                          : std::string(SE_EPHE_PATH);
    if (list.back() != FOLDER_END) {
        list += FOLDER_END;
    }
    return list;
}

// `path` without the separator libswe ends every folder with.
std::string WithoutFolderEnd(std::string path) {
    if (path.size() > 1 && path.back() == FOLDER_END) {
        path.pop_back();
    }
    return path;
}

}  // namespace

std::vector<SearchedFolder> LibrarySearchFolders(const std::string& handed,
                                                 const std::string& folder) {
    const std::string list = ListInUse(handed);
    std::vector<SearchedFolder> folders;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = std::min(list.find_first_of(LIST_SEPARATORS, start), list.size());
        std::string part = WithoutFolderEnd(list.substr(start, end - start));
        if (part.empty()) {
            part = CURRENT_FOLDER;
        }
        const bool isLink = part == WithoutFolderEnd(handed) && handed != folder;
        folders.push_back({part, isLink ? folder : part});
        start = end + 1;
    }
    return folders;
}

std::filesystem::path LibraryFilePath(const SearchedFolder& folder, const char* name) {
    return folder.path == CURRENT_FOLDER ? std::filesystem::path(name)
                                         : std::filesystem::path(folder.path) / name;
}

std::string ShownFolderOf(const std::filesystem::path& file,
                          const std::vector<SearchedFolder>& folders) {
    for (const SearchedFolder& folder : folders) {
        if (LibraryFilePath(folder, file.filename().c_str()) == file) {
            return folder.shown;
        }
    }
    const std::filesystem::path parent = file.parent_path();
    return parent.empty() ? std::string(CURRENT_FOLDER) : parent.string();
}

}  // namespace sarovin
