#pragma once

#include <vector>

#include "chart/chart_geometry.h"

namespace sarovin {

// The boxes of `count` marks sharing `area`, row by row, and the height of
// their letters.
struct MarkGrid {
    std::vector<Box> boxes;
    double letterHeight = 0;
};

// Marks in one to three columns, whichever lets them be tallest, no taller
// than `largestLetters`; the grid stands in the middle of the area.
MarkGrid ArrangeMarks(const Box& area, int count, double largestLetters);

}  // namespace sarovin
