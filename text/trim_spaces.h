#pragma once

#include <string_view>

namespace sarovin {

// `text` without its leading and trailing space characters.
std::string_view TrimSpaces(std::string_view text);

}  // namespace sarovin
