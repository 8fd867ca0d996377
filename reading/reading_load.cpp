#include "reading/reading_load.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace sarovin {

bool HasReadingExtension(std::string_view path) {
    return path.ends_with(READING_EXTENSION);
}

std::optional<std::string> LoadReadingBytes(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::string bytes(
        error ? MAX_READING_BYTES
              : static_cast<std::size_t>(std::min<std::uintmax_t>(size, MAX_READING_BYTES)),
        '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

}  // namespace sarovin
