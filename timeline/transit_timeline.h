#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/strength_tint.h"
#include "dasha/vimshottari.h"
#include "transits/natal_point.h"
#include "transits/transit_event.h"

namespace sarovin {

// A mark on the time axis: its x and its text ("2026", "2026-03").
struct TimeTick {
    double x = 0;
    std::string text;
};

// One window as a bar: Sputa windows fill the row, shaded by their peak's
// strength as the Sputa tab tints it; Graha windows are a thin grey band
// along the row's foot; the Sade Sati's phases shade light, dark, light.
struct TimelineBar {
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
    Rgb fill;
    TransitEvent event;
};

// One transiting body on one natal point ("Saturn on Moon"), Saturn's
// Sade Sati ("Saturn: Sade Sati"), or the Kakshya windows of Saturn or
// Jupiter ("Jupiter: Kakshya", a thin lane first among that planet's rows),
// with its windows.
struct TimelineRow {
    std::string label;
    int transiting = 0;
    int natal = 0;
    bool sadeSati = false;
    bool kakshya = false;
    double top = 0;
    std::vector<TimelineBar> bars;
};

// A Mahadasha or an Antardasha as a bar of the dasha lane, cut to the
// span; the fill alternates from one period to the next of its level.
struct DashaBar {
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
    Rgb fill;
    std::string label;
    // 0 for a Mahadasha, 1 for an Antardasha.
    int level = 0;
    // The period whole, without its parts.
    DashaPeriod period;
};

// The timeline of a search as plain geometry, its top left corner at 0, 0:
// a label column, then the span from `from` to `to` across; with the natal
// periods, a dasha lane of two rows (the Mahadashas, then their
// Antardashas) first; then one row per pair with at least one window (the
// Sade Sati first), ticks on the time axis under them and a line at
// `today` when it falls in the span (none on a timeline with nothing on it).
struct TimelineLayout {
    double width = 0;
    double height = 0;
    double labelWidth = 0;
    double rowHeight = 0;
    // The height of the dasha lane above the rows; 0 without periods.
    double laneHeight = 0;
    std::vector<DashaBar> dashaBars;
    std::vector<TimelineRow> rows;
    std::vector<TimeTick> ticks;
    std::optional<double> todayX;
};

inline constexpr double TIMELINE_ROW_HEIGHT = 18;

TimelineLayout LayOutTimeline(const std::vector<TransitEvent>& events,
                              const std::vector<NatalPoint>& points,
                              const std::optional<Vimshottari>& dasha, double from, double to,
                              double today, double width);

// The bars of the dasha lane for the span, the Mahadashas in the lane's
// first row and the Antardashas in its second, from `top`.
std::vector<DashaBar> LayOutDashaLane(const Vimshottari& dasha, double from, double to, double left,
                                      double right, double top);

// The x of a moment on a time axis from `left` to `right` for the span.
double TimeX(double time, double from, double to, double left, double right);

// Grid ticks for the span on the axis, on the first day of every 1, 3 or 6
// months, or of January every 1, 2, 5, 10, 20, 50 or 100 years: the finest
// step whose labels keep apart. A tick too near the axis's end for its
// label has none.
std::vector<TimeTick> TimeTicks(double from, double to, double left, double right);

// The timeline cut into pages of at most `rowsPerPage` rows (at least
// one), each with the dasha lane, its rows under it and the same time axis.
std::vector<TimelineLayout> TimelinePages(const TimelineLayout& layout, int rowsPerPage);

// The bar at a point, the dasha bar at a point, and the row at a height.
const TimelineBar* BarAt(const TimelineLayout& layout, double x, double y);
const DashaBar* DashaBarAt(const TimelineLayout& layout, double x, double y);
const TimelineRow* RowAt(const TimelineLayout& layout, double y);

}  // namespace sarovin
