#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/result.h"

namespace sarovin {

// A reading file is a few hundred bytes; no more than this is ever read, so
// opening a wrong, huge file costs little.
inline constexpr std::size_t MAX_READING_BYTES = 64 * 1024;

// The extension of a reading file name, without its dot.
inline constexpr std::string_view READING_EXTENSION = "dri";

// What a person is told when a chosen name is not a reading file's.
inline constexpr std::string_view WRONG_FILE_NAME_MESSAGE = "Please Check The File.";

// True when `path` ends with READING_EXTENSION, in exactly that case.
bool HasReadingExtension(std::string_view path);

// The start of the refusal when a reading cannot be read; the reason follows.
inline constexpr std::string_view UNREADABLE_READING_MESSAGE = "Cannot read the file.";

// The first MAX_READING_BYTES bytes of the file at `path` (all of it when
// shorter), or why they cannot be had: the file is missing or unreadable, or
// it is not an ordinary file (a directory, FIFO or device, which might never
// end or might block).
Result<std::string> LoadReadingBytes(const std::filesystem::path& path);

}  // namespace sarovin
