#include "text/whole_number.h"

#include <charconv>
#include <limits>
#include <string>

#include "text/round_half_even.h"
#include "text/trim_spaces.h"

namespace sarovin {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits with at most one decimal point and at least one digit.
bool IsPlainDecimal(std::string_view text) {
    bool seenDigit = false;
    bool seenPoint = false;
    for (const char c : text) {
        if (IsDigit(c)) {
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            return false;
        }
    }
    return seenDigit;
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text) {
    text = TrimSpaces(text);
    if (text.empty()) {
        return std::nullopt;
    }
    bool negative = false;
    if (text.front() == '-' || text.front() == '+') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!IsPlainDecimal(text)) {
        return std::nullopt;
    }
    double magnitude = 0;
    const std::string digits(text);
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (result.ec != std::errc{}) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

std::optional<std::int16_t> ParseWholeNumber(std::string_view text) {
    const std::optional<double> number = ParseDecimal(text);
    if (!number) {
        return std::nullopt;
    }
    const double value = RoundHalfToEven(*number);
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

}  // namespace sarovin
