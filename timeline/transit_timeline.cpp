#include "timeline/transit_timeline.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>

#include "engine/body_slot.h"
#include "ephemeris/utc_time.h"

namespace sarovin {

namespace {

constexpr double LABEL_WIDTH = 130;
constexpr double AXIS_HEIGHT = 20;
constexpr double GRAHA_BAND = 4;
constexpr Rgb GRAHA_GREY = {150, 150, 150};
constexpr Rgb SADE_SATI_LIGHT = {230, 190, 120};
constexpr Rgb SADE_SATI_DARK = {190, 120, 40};
// A label needs this much room after its tick: "2026-03" is seven
// characters of some 6.5 units at the painter's 11-unit text, "2026" four.
constexpr double CHAR_WIDTH = 6.5;
constexpr double LABEL_GAP = 2;
constexpr double LABEL_ROOM = 12;
constexpr double DAYS_PER_MONTH = 365.25 / 12;
constexpr double DAYS_PER_YEAR = 365.25;
constexpr int DASHA_LEVELS = 2;
// The natal place of a planet's Kakshya row: before every natal point.
constexpr int KAKSHYA_ROW = -1;
// Alternate fills of the Mahadashas (blue) and the Antardashas (green).
constexpr Rgb MAHA_FILLS[] = {{196, 214, 238}, {226, 236, 249}};
constexpr Rgb ANTAR_FILLS[] = {{206, 228, 196}, {233, 244, 228}};

std::string RowLabel(const TransitEvent& event, const std::vector<NatalPoint>& points) {
    if (event.kind == TransitKind::SadeSati) {
        return "Saturn: Sade Sati";
    }
    if (event.kind == TransitKind::Kakshya) {
        return std::string(SlotNames[event.transiting].englishName) + ": Kakshya";
    }
    return std::string(SlotNames[event.transiting].englishName) + " on " + points[event.natal].name;
}

TimelineBar BarOf(const TransitEvent& event, double left, double right, double top) {
    TimelineBar bar{.left = left,
                    .right = right,
                    .top = top,
                    .bottom = top + TIMELINE_ROW_HEIGHT,
                    .fill = {},
                    .event = event};
    switch (event.kind) {
        case TransitKind::Graha:
            bar.top = bar.bottom - GRAHA_BAND;
            bar.fill = GRAHA_GREY;
            break;
        case TransitKind::Sputa:
            bar.top += 2;
            bar.bottom -= GRAHA_BAND + 1;
            bar.fill = StrengthTint(
                static_cast<int>(std::min(*event.peakVirupas, double{STRONGEST_SPUTA})));
            break;
        case TransitKind::SadeSati:
            bar.top += 2;
            bar.bottom -= 2;
            bar.fill = event.phase == SadeSatiPhase::Peak ? SADE_SATI_DARK : SADE_SATI_LIGHT;
            break;
        case TransitKind::Kakshya:
            // A thin lane along the row's top.
            bar.bottom = bar.top + GRAHA_BAND;
            bar.fill = GRAHA_GREY;
            break;
    }
    return bar;
}

// The grid's step: 1, 3 or 6 months, or 1, 2, 5, 10, 20, 50 or 100 years,
// the finest whose labels keep apart at `daysWide` units a day.
struct TickStep {
    int months = 0;
    int years = 1;
};

TickStep StepFor(double daysWide) {
    for (const int months : {1, 3, 6}) {
        if (months * DAYS_PER_MONTH * daysWide >= CHAR_WIDTH * 7 + LABEL_ROOM) {
            return {months, 1};
        }
    }
    for (const int years : {1, 2, 5, 10, 20, 50}) {
        if (years * DAYS_PER_YEAR * daysWide >= CHAR_WIDTH * 4 + LABEL_ROOM) {
            return {0, years};
        }
    }
    return {0, 100};
}

std::string TickText(const UtcMinute& day, bool monthly) {
    char text[16];
    if (monthly) {
        std::snprintf(text, sizeof text, "%04d-%02d", day.year, day.month);
    } else {
        std::snprintf(text, sizeof text, "%04d", day.year);
    }
    return text;
}

// Adds the bars of `periods` that reach into the span, cut to it.
void AddDashaBars(const std::vector<DashaPeriod>& periods, int level, double from, double to,
                  double left, double right, double top, std::vector<DashaBar>& bars) {
    const Rgb(&fills)[2] = level == 0 ? MAHA_FILLS : ANTAR_FILLS;
    const double barTop = top + level * TIMELINE_ROW_HEIGHT;
    for (std::size_t index = 0; index < periods.size(); ++index) {
        const DashaPeriod& period = periods[index];
        if (period.end <= from || period.start >= to) {
            continue;
        }
        bars.push_back({.left = TimeX(std::max(period.start, from), from, to, left, right),
                        .right = TimeX(std::min(period.end, to), from, to, left, right),
                        .top = barTop + 1,
                        .bottom = barTop + TIMELINE_ROW_HEIGHT - 1,
                        .fill = fills[index % 2],
                        .label = std::string(SlotNames[period.lord].englishName),
                        .level = level,
                        .period = {period.lord, period.start, period.end, {}}});
    }
}

}  // namespace

std::vector<DashaBar> LayOutDashaLane(const Vimshottari& dasha, double from, double to, double left,
                                      double right, double top) {
    std::vector<DashaBar> bars;
    AddDashaBars(dasha.periods, 0, from, to, left, right, top, bars);
    for (const DashaPeriod& maha : dasha.periods) {
        if (maha.end > from && maha.start < to) {
            AddDashaBars(maha.sub, 1, from, to, left, right, top, bars);
        }
    }
    return bars;
}

double TimeX(double time, double from, double to, double left, double right) {
    return left + (right - left) * (time - from) / (to - from);
}

std::vector<TimeTick> TimeTicks(double from, double to, double left, double right) {
    const double daysWide = (right - left) / (to - from);
    const TickStep step = StepFor(daysWide);
    const UtcMinute first = MinuteOf(from);
    const UtcMinute last = MinuteOf(to);
    std::vector<TimeTick> ticks;
    const int firstYear = first.year - first.year % step.years;
    for (int year = firstYear; year <= last.year; year += step.years) {
        for (int month = 1; month <= (step.months > 0 ? 12 : 1);
             month += std::max(step.months, 1)) {
            const double time = JulianDayOfDate(year, month, 1);
            if (time < from || time > to) {
                continue;
            }
            const double x = TimeX(time, from, to, left, right);
            std::string text = TickText(MinuteOf(time), step.months > 0);
            if (x + LABEL_GAP + CHAR_WIDTH * static_cast<double>(text.size()) > right) {
                text.clear();
            }
            ticks.push_back({x, std::move(text)});
        }
    }
    return ticks;
}

TimelineLayout LayOutTimeline(const std::vector<TransitEvent>& events,
                              const std::vector<NatalPoint>& points,
                              const std::optional<Vimshottari>& dasha, double from, double to,
                              double today, double width) {
    TimelineLayout layout{.width = width,
                          .height = 0,
                          .labelWidth = LABEL_WIDTH,
                          .rowHeight = TIMELINE_ROW_HEIGHT,
                          .laneHeight = dasha ? DASHA_LEVELS * TIMELINE_ROW_HEIGHT : 0,
                          .dashaBars = {},
                          .rows = {},
                          .ticks = {},
                          .todayX = std::nullopt};
    // Rows in a fixed order: the Sade Sati, then by transiting body and
    // natal point, a planet's Kakshya lane before its natal points.
    std::map<std::tuple<bool, int, int>, std::vector<const TransitEvent*>> pairs;
    for (const TransitEvent& event : events) {
        const bool sadeSati = event.kind == TransitKind::SadeSati;
        const int natal = sadeSati                             ? 0
                          : event.kind == TransitKind::Kakshya ? KAKSHYA_ROW
                                                               : event.natal;
        pairs[{!sadeSati, event.transiting, natal}].push_back(&event);
    }
    if (dasha) {
        layout.dashaBars = LayOutDashaLane(*dasha, from, to, LABEL_WIDTH, width, 0);
    }
    double top = layout.laneHeight;
    for (const auto& [key, rowEvents] : pairs) {
        TimelineRow row{.label = RowLabel(*rowEvents.front(), points),
                        .transiting = std::get<1>(key),
                        .natal = std::max(std::get<2>(key), 0),
                        .sadeSati = !std::get<0>(key),
                        .kakshya = std::get<2>(key) == KAKSHYA_ROW,
                        .top = top,
                        .bars = {}};
        for (const TransitEvent* event : rowEvents) {
            row.bars.push_back(BarOf(*event, TimeX(event->start, from, to, LABEL_WIDTH, width),
                                     TimeX(event->end, from, to, LABEL_WIDTH, width), top));
        }
        layout.rows.push_back(std::move(row));
        top += TIMELINE_ROW_HEIGHT;
    }
    layout.height = top + AXIS_HEIGHT;
    layout.ticks = TimeTicks(from, to, LABEL_WIDTH, width);
    // An empty timeline has no axis to mark.
    if (today >= from && today <= to && (!layout.rows.empty() || dasha)) {
        layout.todayX = TimeX(today, from, to, LABEL_WIDTH, width);
    }
    return layout;
}

std::vector<TimelineLayout> TimelinePages(const TimelineLayout& layout, int rowsPerPage) {
    const std::size_t perPage = static_cast<std::size_t>(std::max(rowsPerPage, 1));
    std::vector<TimelineLayout> pages;
    for (std::size_t first = 0; first < layout.rows.size() || pages.empty(); first += perPage) {
        TimelineLayout page = layout;
        const std::size_t end = std::min(first + perPage, layout.rows.size());
        page.rows.assign(layout.rows.begin() + static_cast<std::ptrdiff_t>(first),
                         layout.rows.begin() + static_cast<std::ptrdiff_t>(end));
        const double shift = page.rows.empty() ? 0 : page.rows.front().top - layout.laneHeight;
        for (TimelineRow& row : page.rows) {
            row.top -= shift;
            for (TimelineBar& bar : row.bars) {
                bar.top -= shift;
                bar.bottom -= shift;
            }
        }
        page.height = layout.laneHeight + static_cast<double>(page.rows.size()) * layout.rowHeight +
                      AXIS_HEIGHT;
        pages.push_back(std::move(page));
    }
    return pages;
}

const TimelineRow* RowAt(const TimelineLayout& layout, double y) {
    for (const TimelineRow& row : layout.rows) {
        if (y >= row.top && y < row.top + layout.rowHeight) {
            return &row;
        }
    }
    return nullptr;
}

const DashaBar* DashaBarAt(const TimelineLayout& layout, double x, double y) {
    for (const DashaBar& bar : layout.dashaBars) {
        if (x >= bar.left && x <= bar.right && y >= bar.top && y <= bar.bottom) {
            return &bar;
        }
    }
    return nullptr;
}

const TimelineBar* BarAt(const TimelineLayout& layout, double x, double y) {
    const TimelineRow* row = RowAt(layout, y);
    if (row == nullptr) {
        return nullptr;
    }
    // A Sputa bar over a Graha band is found first: it is drawn on top.
    const TimelineBar* found = nullptr;
    for (const TimelineBar& bar : row->bars) {
        if (x >= bar.left && x <= std::max(bar.right, bar.left + 1) && y >= bar.top &&
            y <= bar.bottom && (found == nullptr || bar.event.kind != TransitKind::Graha)) {
            found = &bar;
        }
    }
    return found;
}

}  // namespace sarovin
