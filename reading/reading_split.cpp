#include "reading/reading_split.h"

#include "reading/scramble.h"
#include "reading/windows1252.h"

namespace sarovin {

namespace {

constexpr char LINE_FEED = '\n';
constexpr char CARRIAGE_RETURN = '\r';

// Takes the first line off `file`, without its line end.
std::string_view TakeLine(std::string_view& file) {
    const std::size_t end = file.find(LINE_FEED);
    std::string_view text = file.substr(0, end);
    if (!text.empty() && text.back() == CARRIAGE_RETURN) {
        text.remove_suffix(1);
    }
    file.remove_prefix(end == std::string_view::npos ? file.size() : end + 1);
    return text;
}

std::string ValueOf(std::string_view stored) {
    return DecodeWindows1252(UnscrambleText(stored));
}

}  // namespace

ReadingLines SplitReadingLines(std::string_view file) {
    ReadingLines lines;
    for (std::string& line : lines) {
        if (file.empty()) {
            break;
        }
        line = TakeLine(file);
    }
    return lines;
}

ReadingLines ReadReadingLines(std::string_view file) {
    ReadingLines values = SplitReadingLines(file);
    for (std::string& value : values) {
        value = ValueOf(value);
    }
    return values;
}

namespace {

// What follows the first READING_LINE_COUNT lines of `file`.
std::string_view PastReadingLines(std::string_view file) {
    for (std::size_t line = 0; line < READING_LINE_COUNT && !file.empty(); ++line) {
        TakeLine(file);
    }
    return file;
}

}  // namespace

std::string ReadExactOffsetLine(std::string_view file) {
    file = PastReadingLines(file);
    return file.empty() ? std::string() : ValueOf(TakeLine(file));
}

std::string ReadGivenPositionsLine(std::string_view file) {
    file = PastReadingLines(file);
    TakeLine(file);
    return file.find(LINE_FEED) == std::string_view::npos ? std::string() : ValueOf(TakeLine(file));
}

bool EndsInsideExactOffsetLine(std::string_view file) {
    file = PastReadingLines(file);
    return !file.empty() && file.find(LINE_FEED) == std::string_view::npos;
}

}  // namespace sarovin
