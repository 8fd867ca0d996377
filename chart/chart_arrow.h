#pragma once

#include "chart/chart_layout.h"

namespace sarovin {

// One end of an aspect: the cell or house of a sign and the point within
// it that the arrow aims from or at.
struct ArrowEnd {
    const Outline& outline;
    Point anchor;
};

// How an arrow is drawn: bowed towards `middle` by `bow` (0 straight, 1
// through the middle), reaching `reach` into the aspected sign, with a
// head `headLength` long.
struct ArrowShape {
    Point middle;
    double bow = 0;
    double reach = 0;
    double headLength = 0;
};

// An arrow on the curve from one anchor to the other, starting where the
// curve leaves the first cell and ending inside the second, so the marks
// in both stay clear and those in the cells between are mostly passed by.
ChartArrow MakeArrow(const ArrowEnd& from, const ArrowEnd& to, const ArrowShape& shape);

}  // namespace sarovin
