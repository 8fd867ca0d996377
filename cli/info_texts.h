#pragma once

#include <string>
#include <string_view>

namespace sarovin {

inline constexpr std::string_view PROGRAM_NAME = "sarovin-report";

// The forms of the command, for --help and after a usage error.
std::string UsageSynopsis();

// The synopsis with every option explained.
std::string HelpText();

// "sarovin-report VERSION" and a line end.
std::string VersionLine();

// Each zone row as its index, a tab and its label, a line each.
std::string ZoneListing();

}  // namespace sarovin
