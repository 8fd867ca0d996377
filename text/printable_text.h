#pragma once

#include <string>
#include <string_view>

namespace sarovin {

// A text from a file or the command line as it may go to a terminal: every
// control character (C0, DEL and C1), which could break the line or steer
// the terminal, shown as '?'.
std::string PrintableText(std::string_view text);

}  // namespace sarovin
