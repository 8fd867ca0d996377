#include "timeline/time_window.h"

#include <algorithm>

namespace sarovin {

namespace {

// Slides a window no longer than the span back within it.
TimeWindow KeptWithin(double from, double length, const TimeWindow& span) {
    length = std::min(length, span.to - span.from);
    from = std::clamp(from, span.from, span.to - length);
    return {from, from + length};
}

}  // namespace

TimeWindow ZoomWindow(const TimeWindow& shown, const TimeWindow& span, double factor,
                      double anchor) {
    const double length = shown.to - shown.from;
    const double zoomed = std::max(length * factor, SHORTEST_WINDOW_DAYS);
    const double share = (anchor - shown.from) / length;
    return KeptWithin(anchor - share * zoomed, zoomed, span);
}

TimeWindow PanWindow(const TimeWindow& shown, const TimeWindow& span, double days) {
    return KeptWithin(shown.from + days, shown.to - shown.from, span);
}

}  // namespace sarovin
