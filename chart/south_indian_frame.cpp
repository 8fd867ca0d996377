#include "chart/south_indian_frame.h"

#include <numeric>

#include "chart/mark_grid.h"

namespace sarovin {

namespace {

constexpr std::array<GridCell, SIGN_COUNT> SIGN_CELLS = {{
    {1, 0},  // Aries
    {2, 0},  // Taurus
    {3, 0},  // Gemini
    {3, 1},  // Cancer
    {3, 2},  // Leo
    {3, 3},  // Virgo
    {2, 3},  // Libra
    {1, 3},  // Scorpio
    {0, 3},  // Sagittarius
    {0, 2},  // Capricorn
    {0, 1},  // Aquarius
    {0, 0},  // Pisces
}};

// Proportions of a cell; the name's letters are the smallest a chart's
// text may be (SMALLEST_LETTERS of the square, four cells to its side).
constexpr double PADDING = 0.035;
constexpr double NAME_HEIGHT = 0.17;
constexpr double NAME_SIZE = 4 * SMALLEST_LETTERS;
constexpr double LARGEST_MARK = 0.15;
constexpr double LAGNA_CORNER = 0.3;
constexpr double TITLE_SIZE = 0.17;
constexpr double DETAILS_SIZE = 0.12;

Box CellBox(GridCell cell, double cellSide) {
    return {cell.column * cellSide, cell.row * cellSide, cellSide, cellSide};
}

SignPlace SignPlaceOf(int sign, double cellSide) {
    const Box cell = CellBox(SIGN_CELLS[sign], cellSide);
    const double padding = PADDING * cellSide;
    const double nameHeight = NAME_HEIGHT * cellSide;
    ChartText name;
    name.box = {cell.left + padding, cell.top + padding, cell.width - 2 * padding, nameHeight};
    name.text = VedicSignNames[sign];
    name.role = TextRole::SignName;
    name.size = NAME_SIZE * cellSide;
    name.sign = sign;
    const Box marks = {cell.left + padding, name.box.Bottom(), cell.width - 2 * padding,
                       cell.Bottom() - padding - name.box.Bottom()};
    return {OutlineOf(cell), marks, cell.Centre(), name};
}

std::string JoinedLines(const std::vector<std::string>& lines) {
    return std::accumulate(lines.begin(), lines.end(), std::string(),
                           [](std::string joined, const std::string& line) {
                               return joined.empty() ? line : joined + "\n" + line;
                           });
}

// The name above the date, place and ephemeris, in the middle of the square.
std::vector<ChartText> MiddleTexts(const ChartContent& content, double cellSide) {
    const Box middle = Inset({cellSide, cellSide, 2 * cellSide, 2 * cellSide}, 0.1 * cellSide);
    ChartText title;
    title.box = {middle.left, middle.top, middle.width, 0.45 * cellSide};
    title.text = content.title;
    title.role = TextRole::Title;
    title.size = TITLE_SIZE * cellSide;
    ChartText details;
    details.box = {middle.left, title.box.Bottom(), middle.width,
                   middle.Bottom() - title.box.Bottom()};
    details.text = JoinedLines(content.details);
    details.role = TextRole::Details;
    details.size = DETAILS_SIZE * cellSide;
    return {title, details};
}

}  // namespace

GridCell SouthIndianCell(int sign) {
    return SIGN_CELLS[sign];
}

ChartFrame SouthIndianFrame(const ChartContent& content, double side) {
    const double cellSide = side / 4;
    ChartFrame frame;
    for (int sign = 0; sign < SIGN_COUNT; ++sign) {
        frame.signs[sign] = SignPlaceOf(sign, cellSide);
    }
    frame.otherAreas.push_back(
        {OutlineOf({cellSide, cellSide, 2 * cellSide, 2 * cellSide}), AreaRole::Centre, -1});
    if (content.lagnaSign) {
        const Box cell = CellBox(SIGN_CELLS[*content.lagnaSign], cellSide);
        const double corner = LAGNA_CORNER * cellSide;
        frame.strokes.push_back({{cell.left, cell.top + corner}, {cell.left + corner, cell.top}});
    }
    frame.otherTexts = MiddleTexts(content, cellSide);
    frame.largestMark = LARGEST_MARK * cellSide;
    return frame;
}

}  // namespace sarovin
