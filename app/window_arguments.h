#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sarovin {

// The reading named on the window's command line, byte for byte, or an
// empty path when none is. `arguments` starts with the program's name and
// holds what Qt left of argv; --help and --version print and end the
// program here.
std::filesystem::path ReadingArgument(const std::vector<std::string>& arguments);

}  // namespace sarovin
