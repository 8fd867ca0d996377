#include "timeline/time_window.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

// A span of 1000 days from day 0; each case by hand.
constexpr TimeWindow SPAN{0, 1000};

struct ZoomCase {
    const char* what;
    TimeWindow shown;
    double factor;
    double anchor;
    TimeWindow zoomed;
};

TEST(TimeWindow, ZoomKeepsTheAnchorInPlaceWithinTheSpan) {
    const ZoomCase cases[] = {
        {"in by half about the middle", {0, 1000}, 0.5, 500, {250, 750}},
        // The anchor a quarter across stays a quarter across: 200 - 50.
        {"in by half about a quarter", {100, 500}, 0.5, 200, {150, 350}},
        {"out past the span gives the span", {250, 750}, 4, 500, {0, 1000}},
        {"out at the start slides back in", {0, 400}, 2, 100, {0, 800}},
        {"never shorter than a week", {100, 110}, 0.1, 105, {101.5, 108.5}},
    };
    for (const ZoomCase& zoom : cases) {
        const TimeWindow got = ZoomWindow(zoom.shown, SPAN, zoom.factor, zoom.anchor);
        EXPECT_DOUBLE_EQ(got.from, zoom.zoomed.from) << zoom.what;
        EXPECT_DOUBLE_EQ(got.to, zoom.zoomed.to) << zoom.what;
    }
}

TEST(TimeWindow, PanMovesTheWindowAndStopsAtTheSpansEnds) {
    EXPECT_EQ(PanWindow({100, 300}, SPAN, 50), (TimeWindow{150, 350}));
    EXPECT_EQ(PanWindow({100, 300}, SPAN, -500), (TimeWindow{0, 200}));
    EXPECT_EQ(PanWindow({700, 900}, SPAN, 500), (TimeWindow{800, 1000}));
    EXPECT_EQ(PanWindow(SPAN, SPAN, 10), SPAN);
}

}  // namespace
}  // namespace sarovin
