#include "cli/option_values.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "form/list_items.h"

namespace sarovin {

namespace {

constexpr char DEGREE_SEPARATOR = ':';

bool IsDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

}  // namespace

int LargestBoxNumber() {
    int largest = 0;
    for (int digit = 0; digit < DEGREE_BOX_LENGTH; ++digit) {
        largest = largest * 10 + 9;
    }
    return largest;
}

std::optional<int> ParseNumberInRange(std::string_view text, int first, int last) {
    if (!IsDigits(text)) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < first || value > last) {
        return std::nullopt;
    }
    return value;
}

std::optional<DegreesMinutes> ParseDegreesMinutes(std::string_view text) {
    const std::size_t separator = text.find(DEGREE_SEPARATOR);
    if (separator == std::string_view::npos) {
        return std::nullopt;
    }
    const auto degrees = ParseNumberInRange(text.substr(0, separator), 0, LargestBoxNumber());
    const auto minutes = ParseNumberInRange(text.substr(separator + 1), 0, LargestBoxNumber());
    if (!degrees || !minutes) {
        return std::nullopt;
    }
    return DegreesMinutes{*degrees, *minutes};
}

}  // namespace sarovin
