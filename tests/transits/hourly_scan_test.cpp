#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "drishti/classical_sputa_drishti.h"
#include "tests/support/ordinary_account.h"
#include "tests/transits/transit_support.h"

namespace sarovin {
namespace {

using testing::MINUTE;

constexpr double HOUR = 1.0 / 24;
// Two crossings closer than this may fall between two hours of the scan.
constexpr double SHORTEST_SEEN = 2 * HOUR;

// A body's longitude read every hour, unwrapped.
std::vector<double> HourlyLongitudes(int body, double from, double to) {
    const std::unique_ptr<PositionSource> source =
        SwissPositionSources(AyanamsaSystem::Lahiri, LunarNode::Mean)();
    std::vector<double> longitudes;
    for (double time = from; time <= to + 1e-9; time += HOUR) {
        const double longitude = source->MotionAt(body, time)->longitude;
        longitudes.push_back(longitudes.empty()
                                 ? longitude
                                 : longitude +
                                       360 * std::round((longitudes.back() - longitude) / 360));
    }
    return longitudes;
}

// The moments `state` of the longitude changes, each found by bisection
// on the straight line between the two hours around it.
template <typename State>
std::vector<double> StateChanges(const std::vector<double>& longitudes, double from, State state) {
    std::vector<double> changes;
    for (std::size_t hour = 1; hour < longitudes.size(); ++hour) {
        const double before = longitudes[hour - 1];
        const double after = longitudes[hour];
        if (state(before) == state(after)) {
            continue;
        }
        double low = 0;
        double high = 1;
        for (int step = 0; step < 40; ++step) {
            const double middle = (low + high) / 2;
            (state(before + (after - before) * middle) == state(before) ? low : high) = middle;
        }
        changes.push_back(from + (static_cast<double>(hour - 1) + high) * HOUR);
    }
    return changes;
}

// Leaves out pairs of moments closer than the scan can tell apart.
std::vector<double> WithoutShortPairs(std::vector<double> moments) {
    std::vector<double> kept;
    for (std::size_t index = 0; index < moments.size(); ++index) {
        if (index + 1 < moments.size() && moments[index + 1] - moments[index] < SHORTEST_SEEN) {
            ++index;
            continue;
        }
        kept.push_back(moments[index]);
    }
    return kept;
}

std::vector<double> SputaBoundaries(const std::vector<TransitEvent>& events, int planet,
                                    int natal) {
    std::vector<double> boundaries;
    for (const TransitEvent& event : events) {
        if (event.kind == TransitKind::Sputa && event.transiting == planet &&
            event.natal == natal) {
            if (!event.startCut) {
                boundaries.push_back(event.start);
            }
            if (!event.endCut) {
                boundaries.push_back(event.end);
            }
        }
    }
    std::sort(boundaries.begin(), boundaries.end());
    return boundaries;
}

// Over 2023 and 2024 every Sputa Drishti window of the Sun to Saturn on
// each of the nine natal bodies opens and closes within a minute of where
// an hour-by-hour scan of the ephemeris finds the strength passing 45
// virupas, by the classical rule itself.
TEST(HourlyScan, EverySputaWindowMatchesTheScanToTheMinute) {
    const double from = JulianDayOfDate(2023, 1, 1);
    const double to = JulianDayOfDate(2025, 1, 1);
    const std::vector<TransitEvent> events = testing::SearchChosen(from, to);
    const std::vector<NatalPoint> points = testing::ChosenNatalPoints();
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        const std::vector<double> longitudes = HourlyLongitudes(planet, from, to);
        for (int natal = 0; natal < BODY_COUNT; ++natal) {
            const double point = points[natal].longitude;
            const std::vector<double> scanned =
                WithoutShortPairs(StateChanges(longitudes, from, [&](double longitude) {
                    return ClassicalSputaStrength(planet, AspectAngle(longitude, point)) >=
                           DEFAULT_THRESHOLD;
                }));
            const std::vector<double> found =
                WithoutShortPairs(SputaBoundaries(events, planet, natal));
            ASSERT_EQ(found.size(), scanned.size())
                << SlotNames[planet].englishName << " on " << points[natal].name;
            for (std::size_t index = 0; index < found.size(); ++index) {
                EXPECT_NEAR(found[index], scanned[index], MINUTE)
                    << SlotNames[planet].englishName << " on " << points[natal].name << " at "
                    << IsoMinuteText(scanned[index]);
            }
        }
    }
}

// Every sign ingress of the Sun to the N Node over 2023 and 2024, as the
// scan finds it, starts or ends a Graha Drishti window on some natal body
// within a minute, and every such start or end is one of them.
TEST(HourlyScan, GrahaWindowsChangeAtTheScansSignIngresses) {
    const double from = JulianDayOfDate(2023, 1, 1);
    const double to = JulianDayOfDate(2025, 1, 1);
    const std::vector<TransitEvent> events = testing::SearchChosen(from, to);
    for (int body = 0; body <= NNode; ++body) {
        const std::vector<double> ingresses = StateChanges(
            HourlyLongitudes(body, from, to), from,
            [](double longitude) { return static_cast<int>(std::floor(longitude / 30)); });
        std::vector<double> boundaries;
        for (const TransitEvent& event : events) {
            if (event.kind == TransitKind::Graha && event.transiting == body) {
                boundaries.push_back(event.start);
                boundaries.push_back(event.end);
            }
        }
        for (const double boundary : boundaries) {
            if (boundary == from || boundary == to) {
                continue;
            }
            const bool matched = std::any_of(
                ingresses.begin(), ingresses.end(),
                [boundary](double ingress) { return std::fabs(ingress - boundary) <= MINUTE; });
            EXPECT_TRUE(matched) << SlotNames[body].englishName << " " << IsoMinuteText(boundary);
        }
    }
}

TEST(TransitThreads, TwoThreadsFindExactlyWhatOneFinds) {
    const double from = JulianDayOfDate(2023, 6, 1);
    const double to = JulianDayOfDate(2026, 6, 1);
    const std::vector<TransitEvent> one = testing::SearchChosen(from, to, 1);
    const std::vector<TransitEvent> two = testing::SearchChosen(from, to, 2);
    ASSERT_EQ(one.size(), two.size());
    for (std::size_t index = 0; index < one.size(); ++index) {
        EXPECT_EQ(one[index].start, two[index].start);
        EXPECT_EQ(one[index].end, two[index].end);
        EXPECT_EQ(one[index].peak, two[index].peak);
        EXPECT_EQ(one[index].natal, two[index].natal);
    }
}

// The same event has the same times whatever span it is found in: the
// samples are counted from a fixed epoch, not from FROM. Searched from two
// starts, the windows that open well after the later one are the same.
TEST(TransitSpans, AnEventsTimesDoNotDependOnWhereTheSpanStarts) {
    const double to = JulianDayOfDate(2004, 1, 1);
    const double later = JulianDayOfDate(2001, 5, 17) + 0.3;
    const std::vector<TransitEvent> whole = testing::SearchChosen(JulianDayOfDate(2000, 1, 1), to);
    const std::vector<TransitEvent> part = testing::SearchChosen(later, to);
    const auto settled = [later, to](const TransitEvent& event) {
        return event.start > later + 10 && event.end < to - 10;
    };
    std::vector<TransitEvent> expected;
    std::ranges::copy_if(whole, std::back_inserter(expected), settled);
    std::vector<TransitEvent> found;
    std::ranges::copy_if(part, std::back_inserter(found), settled);
    ASSERT_EQ(found.size(), expected.size());
    ASSERT_GT(found.size(), 500u);
    // Alike but for rounding (the longitudes are unwrapped from another
    // first sample): within a hundredth of a second, where sampling from
    // another start moved times by up to a minute.
    constexpr double ROUNDING = 0.01 / 86400;
    for (std::size_t index = 0; index < found.size(); ++index) {
        EXPECT_NEAR(found[index].start, expected[index].start, ROUNDING) << index;
        EXPECT_NEAR(found[index].end, expected[index].end, ROUNDING) << index;
        EXPECT_NEAR(found[index].peak.value_or(0), expected[index].peak.value_or(0), ROUNDING)
            << index;
    }
}

// With no thread allowed (one process for the account, the test's own) a
// search asked to run on two runs on the calling thread alone, finds the
// same windows and says it ran on one.
TEST(TransitThreads, AThreadTheSystemRefusesIsDoneWithout) {
    const double from = JulianDayOfDate(2024, 1, 1);
    const double to = JulianDayOfDate(2024, 3, 1);
    const std::vector<TransitEvent> one = testing::SearchChosen(from, to, 1);
    EXPECT_TRUE(testing::HoldsForAnOrdinaryAccount([&] {
        const rlimit oneProcess{1, 1};
        if (::setrlimit(RLIMIT_NPROC, &oneProcess) != 0) {
            return false;
        }
        TransitRequest request{.points = testing::ChosenNatalPoints(), .from = from, .to = to};
        request.threads = 2;
        std::size_t found = 0;
        bool same = true;
        const Result<TransitCounts> counts = SearchTransits(
            request, SwissPositionSources(AyanamsaSystem::Lahiri, LunarNode::Mean),
            [&](const TransitEvent& event) {
                same = same && found < one.size() && one[found].start == event.start &&
                       one[found].end == event.end && one[found].natal == event.natal;
                ++found;
            });
        return counts && counts->threads == 1 && same && found == one.size();
    }));
}

}  // namespace
}  // namespace sarovin
