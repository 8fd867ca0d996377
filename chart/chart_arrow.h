#pragma once

#include "chart/chart_layout.h"

namespace sarovin {

// One end of an aspect: the point the arrow aims from or at and the
// outline round it that the arrow leaves or stops at.
struct ArrowEnd {
    const Outline& outline;
    Point anchor;
};

// How an arrow is drawn: bowed towards `middle` by `bow` (0 straight, 1
// through the middle), never shorter than `shortest`, with a head
// `headLength` long.
struct ArrowShape {
    Point middle;
    double bow = 0;
    double shortest = 0;
    double headLength = 0;
};

// An arrow on the curve from one anchor to the other, starting where the
// curve leaves the first outline and ending where it meets the second, so
// the marks in both stay clear and those in the cells between are mostly
// passed by; an arrow that would be shorter than `shortest` starts that
// far back, inside the first outline.
ChartArrow MakeArrow(const ArrowEnd& from, const ArrowEnd& to, const ArrowShape& shape);

}  // namespace sarovin
