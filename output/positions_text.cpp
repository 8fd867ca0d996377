#include "output/positions_text.h"

#include <algorithm>
#include <string_view>

#include "engine/position_text.h"

namespace sarovin {

namespace {

constexpr std::string_view HEADING = "Positions";
constexpr std::size_t COLUMN_GAP = 2;
constexpr std::string_view RETROGRADE = "\u211E";

using Cells = std::vector<std::string>;

Cells HeadingCells(bool houses, bool motion) {
    Cells cells = {"", "Position", "Nakshatra", "Pada", "Lord"};
    if (houses) {
        cells.emplace_back("House");
    }
    if (motion) {
        cells.emplace_back("Motion/day");
    }
    return cells;
}

Cells PointCells(const PointPosition& point, bool houses, bool motion) {
    Cells cells = {point.name, ShortPositionOf(SplitSignDms(point.longitude)),
                   std::string(NakshatraNames[point.nakshatra.nakshatra]),
                   std::to_string(point.nakshatra.pada),
                   std::string(SlotNames[point.lord].englishName)};
    if (houses) {
        cells.push_back(point.house ? std::to_string(*point.house) : std::string());
    }
    if (motion) {
        std::string text = point.dailyMotion ? DailyMotionText(*point.dailyMotion) : std::string();
        if (point.retrograde) {
            text += " " + std::string(RETROGRADE);
        }
        cells.push_back(text);
    }
    return cells;
}

void AppendRow(std::string& text, const Cells& cells, const std::vector<std::size_t>& widths) {
    std::string line;
    for (std::size_t column = 0; column < cells.size(); ++column) {
        if (column > 0) {
            line.append(COLUMN_GAP, ' ');
        }
        line += cells[column];
        line.append(widths[column] - std::min(widths[column], cells[column].size()), ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    text += line;
    text += '\n';
}

}  // namespace

std::string PositionsTable(const std::vector<PointPosition>& points) {
    const bool houses = std::ranges::any_of(
        points, [](const PointPosition& point) { return point.house.has_value(); });
    const bool motion = std::ranges::any_of(
        points, [](const PointPosition& point) { return point.dailyMotion.has_value(); });
    std::vector<Cells> rows = {HeadingCells(houses, motion)};
    for (const PointPosition& point : points) {
        rows.push_back(PointCells(point, houses, motion));
    }
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const Cells& cells : rows) {
        for (std::size_t column = 0; column < cells.size(); ++column) {
            widths[column] = std::max(widths[column], cells[column].size());
        }
    }
    std::string text = std::string(HEADING) + '\n';
    for (const Cells& cells : rows) {
        AppendRow(text, cells, widths);
    }
    return text;
}

}  // namespace sarovin
