#include "engine/position_text.h"
#include "engine/runaway_guard.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace sarovin {

namespace {

constexpr std::string_view DEGREE_MARK = "\u00B0";
constexpr int DEGREES_PER_SIGN = 30;
constexpr int SIGN_COUNT = 12;
constexpr std::size_t ABBREVIATION_LENGTH = 3;
// Room for two signed ints of eleven characters, their padding zeros, the
// sign's letters and two spaces.
constexpr std::size_t SHORT_TEXT_CAPACITY = 32;
constexpr std::size_t LONG_TEXT_CAPACITY = 24;

void AppendNumber(std::string& text, long long number) {
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), number);
    text.append(digits.data(), result.ptr);
}

// Zero-padded to two digits, as the short text writes degrees and minutes.
char* WriteTwoDigits(char* out, char* end, int number) {
    if (number < 10) {
        *out++ = '0';
    }
    return std::to_chars(out, end, number).ptr;
}

std::string_view SignAbbreviation(int sign) {
    return SignAbbreviations.substr(static_cast<std::size_t>(sign) * ABBREVIATION_LENGTH,
                                    ABBREVIATION_LENGTH);
}

}  // namespace

SignDms SplitSignDms(double longitude) {
    const double x = std::fabs(GuardAgainstRunaway(longitude));
    const double wholeDegrees = std::floor(x);
    const double minutes = 60 * (x - wholeDegrees);
    const double wholeMinutes = std::floor(minutes);
    const double seconds = std::floor(60 * (minutes - wholeMinutes));
    const auto degrees = static_cast<long long>(wholeDegrees);
    // A longitude of a full turn (reached when a reduction rounds up to 360)
    // reads as the start of Aries rather than a thirteenth sign.
    return {static_cast<int>(degrees % DEGREES_PER_SIGN), static_cast<int>(wholeMinutes),
            static_cast<int>(seconds), static_cast<int>((degrees / DEGREES_PER_SIGN) % SIGN_COUNT)};
}

std::string FormatSignDms(double longitude) {
    const SignDms parts = SplitSignDms(longitude);
    std::string text;
    text.reserve(LONG_TEXT_CAPACITY);
    AppendNumber(text, parts.degrees);
    text += DEGREE_MARK;
    text += ' ';
    AppendNumber(text, parts.minutes);
    text += "' ";
    AppendNumber(text, parts.seconds);
    text += "\" ";
    text += SignAbbreviation(parts.sign);
    return text;
}

// Written into a local buffer first so that the string is made once; the
// buffer holds any two ints, not only the two digits of a real position.
std::string ShortPositionOf(const SignDms& parts) {
    std::array<char, SHORT_TEXT_CAPACITY> buffer{};
    char* const end = buffer.data() + buffer.size();
    char* out = WriteTwoDigits(buffer.data(), end, parts.degrees);
    *out++ = ' ';
    const std::string_view abbreviation = SignAbbreviation(parts.sign);
    out += abbreviation.copy(out, abbreviation.size());
    *out++ = ' ';
    out = WriteTwoDigits(out, end, parts.minutes);
    return std::string(buffer.data(), out);
}

}  // namespace sarovin
