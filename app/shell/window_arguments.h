#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sarovin {

// The reading named on the window's command line, byte for byte, or
// nothing when none is; an empty name is a name, refused as any other.
// `arguments` starts with the program's name and holds what Qt left of
// argv; --help and --version print and end the program here.
std::optional<std::filesystem::path> ReadingArgument(const std::vector<std::string>& arguments);

}  // namespace sarovin
