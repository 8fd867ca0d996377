#include "output/houses_text.h"

#include <algorithm>

#include "houses/house_texts.h"

namespace sarovin {

namespace {

constexpr std::size_t COLUMN_GAP = 2;

using ColumnWidths = std::array<std::size_t, HOUSE_COLUMNS>;

ColumnWidths WidthsOf(const std::array<HouseCells, HOUSES>& rows) {
    ColumnWidths widths{};
    for (int column = 0; column < HOUSE_COLUMNS; ++column) {
        widths[column] = HOUSE_HEADINGS[column].size();
        for (const HouseCells& cells : rows) {
            widths[column] = std::max(widths[column], cells[column].size());
        }
    }
    return widths;
}

// The cells left-aligned, the last one without trailing spaces.
template <typename Cells>
void AppendLine(std::string& text, const Cells& cells, const ColumnWidths& widths) {
    std::string line;
    for (int column = 0; column < HOUSE_COLUMNS; ++column) {
        line += cells[column];
        if (column + 1 < HOUSE_COLUMNS) {
            line.append(widths[column] + COLUMN_GAP - cells[column].size(), ' ');
        }
    }
    text += line + '\n';
}

}  // namespace

std::string HousesTable(const Houses& houses) {
    std::array<HouseCells, HOUSES> rows;
    std::transform(houses.list.begin(), houses.list.end(), rows.begin(), MakeHouseCells);
    const ColumnWidths widths = WidthsOf(rows);
    std::string text = HousesHeading(houses.system) + '\n';
    AppendLine(text, HOUSE_HEADINGS, widths);
    for (const HouseCells& cells : rows) {
        AppendLine(text, cells, widths);
    }
    return text;
}

}  // namespace sarovin
