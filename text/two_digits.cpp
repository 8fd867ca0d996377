#include "text/two_digits.h"

namespace sarovin {

std::string TwoDigits(long long number) {
    std::string text(number >= 0 && number < 10 ? 1 : 0, '0');
    text += std::to_string(number);
    return text;
}

}  // namespace sarovin
