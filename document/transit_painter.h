#pragma once

#include "document/chart_palette.h"
#include "timeline/strength_plot.h"
#include "timeline/transit_timeline.h"

class QPainter;

namespace sarovin {

// Where the time axis's labels go: under the rows, as on paper, or in a
// header of their own that the window keeps in view while the rows scroll.
enum class AxisLabels { Under, InHeader };

// Paint a laid-out transit timeline and a strength plot with their top
// left corners at the painter's origin, in `colours` (paper's, or those of
// the window's palette): the window, the printer and PDF files all draw
// them with these. `chosenRow` is framed; bars reaching past the time axis
// (a zoomed window) are cut at its ends.
void PaintTimeline(QPainter& painter, const TimelineLayout& layout, const TimelineRow* chosenRow,
                   const ChartColours& colours, AxisLabels labels);
// The labels of the time axis on a header `height` high, the ticks at its
// foot.
void PaintTimeAxis(QPainter& painter, const TimelineLayout& layout, double height,
                   const ChartColours& colours);
void PaintStrengthPlot(QPainter& painter, const StrengthPlot& plot, const ChartColours& colours);

}  // namespace sarovin
