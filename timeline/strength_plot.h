#pragma once

#include <optional>
#include <string>
#include <vector>

#include "timeline/transit_timeline.h"
#include "transits/strength_curve.h"

namespace sarovin {

struct PlotPoint {
    double x = 0;
    double y = 0;
};

// A strength mark on the plot's left axis.
struct StrengthTick {
    double y = 0;
    std::string text;
};

// Virupas against date as plain geometry, its top left corner at 0, 0:
// the curve, the threshold's line, the axes' ticks, a title and a line at
// today when it falls in the span.
struct StrengthPlot {
    double width = 0;
    double height = 0;
    double left = 0;  // the plot area
    double right = 0;
    double top = 0;
    double bottom = 0;
    std::string title;
    std::vector<PlotPoint> curve;
    double thresholdY = 0;
    std::vector<TimeTick> timeTicks;
    std::vector<StrengthTick> strengthTicks;
    std::optional<double> todayX{};
};

// The plot of `samples` over the span from `from` to `to`; the strength
// axis runs from 0 to 60, or to 90 when the samples pass 60 (Saturn's
// special aspects).
StrengthPlot LayOutStrengthPlot(const std::vector<StrengthSample>& samples, double from, double to,
                                double today, double threshold, double width, double height,
                                std::string title);

}  // namespace sarovin
