#pragma once

#include <array>
#include <vector>

#include "chart/chart_layout.h"
#include "zodiac/zodiac.h"

namespace sarovin {

// Where one sign stands in a chart style: its cell or house, the box its
// marks share, the point its arrows start and end at, and its caption (the
// sign's name or number).
struct SignPlace {
    Outline outline;
    Box marksBox;
    Point anchor;
    ChartText caption;
};

// The fixed drawing of a chart style before any marks are placed.
struct ChartFrame {
    std::array<SignPlace, SIGN_COUNT> signs;
    std::vector<ChartArea> otherAreas;
    std::vector<ChartStroke> strokes;
    std::vector<ChartText> otherTexts;
    // The tallest a mark's letters may be.
    double largestMark = 0;
};

}  // namespace sarovin
