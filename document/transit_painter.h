#pragma once

#include "timeline/strength_plot.h"
#include "timeline/transit_timeline.h"

class QPainter;

namespace sarovin {

// Paint a laid-out transit timeline and a strength plot with their top
// left corners at the painter's origin: the window, the printer and PDF
// files all draw them with these. `chosenRow` is framed.
void PaintTimeline(QPainter& painter, const TimelineLayout& layout, const TimelineRow* chosenRow);
void PaintStrengthPlot(QPainter& painter, const StrengthPlot& plot);

}  // namespace sarovin
