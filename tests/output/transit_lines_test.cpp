#include "output/transit_lines.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

// A Graha window of Saturn on the natal Moon from JD 2451545.0 (2000-01-01
// 12:00 UT) to 2451911.0 (2001-01-01 12:00 UT), cut by the span at either
// end, at both or at neither: each end says so alone.
TEST(TransitTextLine, MarksOnlyTheEndsTheSpanCut) {
    const struct {
        bool startCut;
        bool endCut;
        const char* dates;
    } cases[] = {
        {false, false, "2000-01-01T12:00Z to 2001-01-01T12:00Z  "},
        {true, false, "2000-01-01T12:00Z (cut) to 2001-01-01T12:00Z  "},
        {false, true, "2000-01-01T12:00Z to 2001-01-01T12:00Z (cut)  "},
        {true, true, "2000-01-01T12:00Z (cut) to 2001-01-01T12:00Z (cut)  "},
    };
    const std::vector<NatalPoint> points = {{"Sun", 0}, {"Moon", 100}};
    for (const auto& c : cases) {
        TransitEvent event;
        event.transiting = Saturn;
        event.natal = Moon;
        event.start = 2451545.0;
        event.end = 2451911.0;  // 2000 is a leap year: 366 days on
        event.startCut = c.startCut;
        event.endCut = c.endCut;
        const std::string line = TransitTextLine(event, points, {});
        EXPECT_EQ(line.substr(0, std::string(c.dates).size()), c.dates) << line;
    }
}

}  // namespace
}  // namespace sarovin
