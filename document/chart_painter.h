#pragma once

#include "chart/chart_layout.h"
#include "document/chart_palette.h"

class QPainter;

namespace sarovin {

// Paints a laid-out chart with its top left corner at the painter's
// origin, in lines, shapes and text only, so it stays sharp at any scale:
// the window, the printer and PDF files all draw the chart with this.
// Paper takes the default colours; the window those of its palette.
void PaintChart(QPainter& painter, const ChartLayout& layout, const ChartColours& colours = {});

}  // namespace sarovin
