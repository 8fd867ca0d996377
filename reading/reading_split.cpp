#include "reading/reading_split.h"

#include "reading/scramble.h"
#include "reading/windows1252.h"

namespace sarovin {

namespace {

constexpr char LINE_FEED = '\n';
constexpr char CARRIAGE_RETURN = '\r';

}  // namespace

ReadingLines SplitReadingLines(std::string_view file) {
    ReadingLines lines;
    for (std::string& line : lines) {
        if (file.empty()) {
            break;
        }
        const std::size_t end = file.find(LINE_FEED);
        std::string_view text = file.substr(0, end);
        if (!text.empty() && text.back() == CARRIAGE_RETURN) {
            text.remove_suffix(1);
        }
        line = text;
        file.remove_prefix(end == std::string_view::npos ? file.size() : end + 1);
    }
    return lines;
}

ReadingLines ReadReadingLines(std::string_view file) {
    ReadingLines values = SplitReadingLines(file);
    for (std::string& value : values) {
        value = DecodeWindows1252(UnscrambleText(value));
    }
    return values;
}

}  // namespace sarovin
