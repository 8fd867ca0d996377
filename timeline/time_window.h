#pragma once

namespace sarovin {

// The stretch of time a timeline shows, as Julian days.
struct TimeWindow {
    double from = 0;
    double to = 1;

    friend bool operator==(const TimeWindow&, const TimeWindow&) = default;
};

// The shortest stretch the timeline zooms in to.
inline constexpr double SHORTEST_WINDOW_DAYS = 7;

// `shown` made `factor` times as long (below 1 zooms in) with the moment
// `anchor` staying where it was on the axis, no shorter than a week and
// kept within `span`.
TimeWindow ZoomWindow(const TimeWindow& shown, const TimeWindow& span, double factor,
                      double anchor);

// `shown` moved `days` later (earlier when negative), kept within `span`.
TimeWindow PanWindow(const TimeWindow& shown, const TimeWindow& span, double days);

}  // namespace sarovin
