#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_geometry.h"

namespace sarovin {

// The smallest the letters of a mark or a sign's caption may be, as a share
// of the chart's side: 11.2 px on the window's chart of 320 px.
inline constexpr double SMALLEST_LETTERS = 0.035;

// The boxes of marks sharing an area, row by row, and the height of their
// letters.
struct MarkGrid {
    std::vector<Box> boxes;
    double letterHeight = 0;
};

// About how wide `label` is drawn, in letter heights, in a bold sans font:
// a little over rather than under, so a mark fits the box it is given.
double LabelWidth(std::string_view label);

// `labels` in one to three columns, whichever lets them be tallest, no
// taller than `largestLetters`; the grid stands in the middle of the area.
MarkGrid ArrangeMarks(const Box& area, const std::vector<std::string>& labels,
                      double largestLetters);

}  // namespace sarovin
