#include "chart/mark_grid.h"

#include <algorithm>

namespace sarovin {

namespace {

// The letters of a mark take this share of its line.
constexpr double LETTERS_PER_LINE = 0.8;
constexpr int MOST_COLUMNS = 3;

// Advances of a bold sans font, in letter heights: the wide M and ℞, the
// narrow space, degree sign and minute mark, and the letters and digits.
constexpr double WIDE_M = 1.0;
constexpr double RETROGRADE_SIGN = 0.9;
constexpr double SPACE = 0.35;
constexpr double DEGREE_SIGN = 0.5;
constexpr double MINUTE_MARK = 0.31;
constexpr double OTHER = 0.7;

int RowsFor(int count, int columns) {
    return (count + columns - 1) / columns;
}

double LetterHeight(const Box& area, int count, int columns, double widest) {
    return std::min(area.height / RowsFor(count, columns) * LETTERS_PER_LINE,
                    area.width / columns / widest);
}

}  // namespace

double LabelWidth(std::string_view label) {
    double width = 0;
    for (std::size_t at = 0; at < label.size(); ++at) {
        if (label.substr(at, 3) == "\u211E") {
            width += RETROGRADE_SIGN;
            at += 2;
        } else if (label.substr(at, 2) == "\u00B0") {
            width += DEGREE_SIGN;
            ++at;
        } else if (label[at] == ' ') {
            width += SPACE;
        } else if (label[at] == '\'') {
            width += MINUTE_MARK;
        } else {
            width += label[at] == 'M' ? WIDE_M : OTHER;
        }
    }
    return width;
}

MarkGrid ArrangeMarks(const Box& area, const std::vector<std::string>& labels,
                      double largestLetters) {
    MarkGrid grid;
    const int count = static_cast<int>(labels.size());
    if (count == 0) {
        return grid;
    }
    double widest = 0;
    for (const std::string& label : labels) {
        widest = std::max(widest, LabelWidth(label));
    }
    int columns = 1;
    for (int more = 2; more <= std::min(MOST_COLUMNS, count); ++more) {
        if (LetterHeight(area, count, more, widest) > LetterHeight(area, count, columns, widest)) {
            columns = more;
        }
    }
    grid.letterHeight = std::min(LetterHeight(area, count, columns, widest), largestLetters);
    const double line = grid.letterHeight / LETTERS_PER_LINE;
    const int rows = RowsFor(count, columns);
    const double columnWidth = area.width / columns;
    const double top = area.top + (area.height - rows * line) / 2;
    for (int index = 0; index < count; ++index) {
        grid.boxes.push_back({area.left + (index % columns) * columnWidth,
                              top + (index / columns) * line, columnWidth, line});
    }
    return grid;
}

}  // namespace sarovin
