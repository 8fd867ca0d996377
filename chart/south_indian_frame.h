#pragma once

#include "chart/chart_frame.h"

namespace sarovin {

// The column and row, 0 to 3 from the top left, of a cell of the square.
struct GridCell {
    int column = 0;
    int row = 0;

    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The fixed cell of a sign (0 = Aries): Pisces in the top left corner, the
// signs following clockwise round the edge.
GridCell SouthIndianCell(int sign);

// The twelve sign cells with their names, the birth in the middle two by
// two cells and a stroke across the corner of the Lagna's cell.
ChartFrame SouthIndianFrame(const ChartContent& content, double side);

}  // namespace sarovin
