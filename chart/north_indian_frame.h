#pragma once

#include "chart/chart_frame.h"

namespace sarovin {

// The sign (0 = Aries) in house 1 to 12 when the Lagna stands in
// `lagnaSign`: the houses count the signs on from the Lagna's.
int HouseSign(int house, int lagnaSign);

// The square with both diagonals and the diamond joining the middles of
// its sides: house 1 is the top middle diamond and the houses run
// counter-clockwise from it, each with the number of its sign (1 = Aries).
ChartFrame NorthIndianFrame(int lagnaSign, double side);

}  // namespace sarovin
