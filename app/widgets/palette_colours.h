#pragma once

#include <QPalette>

#include "document/chart_palette.h"

namespace sarovin {

// The colours a chart, the transit timeline and the strength plot are
// painted in within the window: paper's on a light palette; on a dark one
// the palette's base and text, with the paper's tints laid thinly over the
// base and the arrow and the second chart's ink lightened so they read on
// it.
ChartColours ColoursOf(const QPalette& palette);

}  // namespace sarovin
