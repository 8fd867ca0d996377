#include "chart/mark_grid.h"

#include <algorithm>

namespace sarovin {

namespace {

// A mark such as "Su 00°51'" is about this many times as wide as its line
// is high; its letters take this share of the line.
constexpr double MARK_WIDTH_PER_LINE = 4.2;
constexpr double LETTERS_PER_LINE = 0.8;
constexpr int MOST_COLUMNS = 3;

int RowsFor(int count, int columns) {
    return (count + columns - 1) / columns;
}

double LineHeight(const Box& area, int count, int columns) {
    return std::min(area.height / RowsFor(count, columns),
                    area.width / columns / MARK_WIDTH_PER_LINE);
}

}  // namespace

MarkGrid ArrangeMarks(const Box& area, int count, double largestLetters) {
    MarkGrid grid;
    if (count <= 0) {
        return grid;
    }
    int columns = 1;
    for (int more = 2; more <= std::min(MOST_COLUMNS, count); ++more) {
        if (LineHeight(area, count, more) > LineHeight(area, count, columns)) {
            columns = more;
        }
    }
    const double line =
        std::min(LineHeight(area, count, columns), largestLetters / LETTERS_PER_LINE);
    grid.letterHeight = line * LETTERS_PER_LINE;
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
