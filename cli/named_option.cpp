#include "cli/named_option.h"

namespace sarovin {

std::string NamesOf(std::span<const std::string_view> names) {
    std::string text;
    for (std::size_t index = 0; index < names.size(); ++index) {
        if (index > 0) {
            text += index + 1 == names.size() ? " or " : ", ";
        }
        text += names[index];
    }
    return text;
}

}  // namespace sarovin
