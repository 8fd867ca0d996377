#include "text/utc_offset_text.h"

#include <cctype>
#include <cstdlib>

#include "text/two_digits.h"

namespace sarovin {

namespace {

constexpr int SECONDS_PER_MINUTE = 60;
constexpr int SECONDS_PER_HOUR = 3600;

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Takes one to `most` digits off the front of `text`; nothing when it does
// not start with a digit or holds more.
std::optional<int> TakeNumber(std::string_view& text, std::size_t fewest, std::size_t most) {
    std::size_t length = 0;
    while (length < text.size() && IsDigit(text[length])) {
        ++length;
    }
    if (length < fewest || length > most) {
        return std::nullopt;
    }
    int number = 0;
    for (std::size_t i = 0; i < length; ++i) {
        number = number * 10 + (text[i] - '0');
    }
    text.remove_prefix(length);
    return number;
}

// Takes ":NN" with NN below 60 off the front of `text`.
std::optional<int> TakeSixtieths(std::string_view& text) {
    if (text.empty() || text.front() != ':') {
        return std::nullopt;
    }
    text.remove_prefix(1);
    const std::optional<int> number = TakeNumber(text, 2, 2);
    return number && *number < 60 ? number : std::nullopt;
}

}  // namespace

std::string UtcOffsetText(int seconds) {
    const int magnitude = std::abs(seconds);
    std::string text = std::string(seconds < 0 ? "-" : "+") +
                       TwoDigits(magnitude / SECONDS_PER_HOUR) + ":" +
                       TwoDigits(magnitude % SECONDS_PER_HOUR / SECONDS_PER_MINUTE);
    if (magnitude % SECONDS_PER_MINUTE != 0) {
        text += ":" + TwoDigits(magnitude % SECONDS_PER_MINUTE);
    }
    return text;
}

std::optional<int> ParseUtcOffset(std::string_view text) {
    if (text.empty() || (text.front() != '+' && text.front() != '-')) {
        return std::nullopt;
    }
    const int sign = text.front() == '-' ? -1 : 1;
    text.remove_prefix(1);
    const std::optional<int> hours = TakeNumber(text, 1, 2);
    const std::optional<int> minutes = TakeSixtieths(text);
    if (!hours || !minutes) {
        return std::nullopt;
    }
    int seconds = 0;
    if (!text.empty()) {
        const std::optional<int> extra = TakeSixtieths(text);
        if (!extra || !text.empty()) {
            return std::nullopt;
        }
        seconds = *extra;
    }
    const int total = *hours * SECONDS_PER_HOUR + *minutes * SECONDS_PER_MINUTE + seconds;
    if (total > LARGEST_UTC_OFFSET_SECONDS) {
        return std::nullopt;
    }
    return sign * total;
}

}  // namespace sarovin
