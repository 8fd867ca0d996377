// The search against a sky written by hand: Saturn swings forward and back
// over 180-220° (stations known to the day), the other bodies walk at 1° a
// day; a source can refuse chosen calls.

#include <cmath>
#include <functional>
#include <numbers>

#include "engine/body_slot.h"
#include "transit_support.h"
#include "transits/body_track.h"
#include "transits/transit_search.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

// Saturn at 200 + 20 sin(2 pi (t - T0) / 400): forward through 200° at T0,
// stationary at 220° at T0 + 100, back through 200° at T0 + 200, stationary
// at 180° at T0 + 300, forward through 200° again at T0 + 400.
constexpr double T0 = SAMPLING_EPOCH + 3;
constexpr double PERIOD = 400;
constexpr double SWING = 20;

class ScriptedSource : public PositionSource {
  public:
    explicit ScriptedSource(std::function<bool(int, double)> refuses) : refuses_(refuses) {}

    Result<BodyMotion> MotionAt(int body, double time) override {
        if (refuses_ && refuses_(body, time)) {
            return RefuseWith("The scripted sky has no answer here.");
        }
        if (body == Saturn) {
            const double phase = 2 * std::numbers::pi * (time - T0) / PERIOD;
            return BodyMotion{200 + SWING * std::sin(phase),
                              SWING * 2 * std::numbers::pi / PERIOD * std::cos(phase)};
        }
        return BodyMotion{std::fmod(37.0 * body + (time - T0) + 3600, 360.0), 1.0};
    }
    Result<CoveredDays> Covered() override { return CoveredDays{T0 - 1000, T0 + 1000, "script"}; }

  private:
    std::function<bool(int, double)> refuses_;
};

PositionSourceFactory ScriptedSources(std::function<bool(int, double)> refuses = {}) {
    return [refuses] { return std::make_unique<ScriptedSource>(refuses); };
}

// The nine chosen natal bodies, then the point the script aims Saturn at.
TransitRequest ScriptedRequest(double to) {
    TransitRequest request{
        .points = testing::ChosenNatalPoints(), .from = T0 - 50, .to = to, .threshold = 45};
    request.points.push_back({"Target", 50});
    return request;
}

Result<TransitCounts> Search(const PositionSourceFactory& sources, double to,
                             std::vector<TransitEvent>& events) {
    return SearchTransits(ScriptedRequest(to), sources,
                          [&events](const TransitEvent& event) { events.push_back(event); });
}

// Saturn on the point at 50°: the angle 50 - λ runs from 190° (λ = 220°,
// the station) to 230°; in the band from 180° the strength is
// (300 - angle) / 2, so 45 virupas at 210° (λ = 200°) and the most, 55, at
// the station. Each swing forward gives its own window, peaking at its
// station.
TEST(ScriptedSky, SputaWindowsPeakAtTheStationAndReopenAfterTheRetrogradeSwing) {
    std::vector<TransitEvent> events;
    ASSERT_TRUE(Search(ScriptedSources(), T0 + 650, events).has_value());
    std::vector<TransitEvent> onTarget;
    for (const TransitEvent& event : events) {
        if (event.kind == TransitKind::Sputa && event.transiting == Saturn && event.natal == 9) {
            onTarget.push_back(event);
        }
    }
    struct Expected {
        double start;
        double peak;
        double end;
    };
    const std::vector<Expected> expected = {{T0, T0 + 100, T0 + 200},
                                            {T0 + 400, T0 + 500, T0 + 600}};
    ASSERT_EQ(onTarget.size(), expected.size());
    for (std::size_t index = 0; index < expected.size(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_NEAR(onTarget[index].start, expected[index].start, testing::MINUTE);
        EXPECT_NEAR(*onTarget[index].peak, expected[index].peak, testing::MINUTE);
        EXPECT_NEAR(onTarget[index].end, expected[index].end, testing::MINUTE);
        EXPECT_NEAR(*onTarget[index].peakVirupas, 55, 0.001);
    }
}

// A source that answers Saturn's samples but refuses a refining call: the
// search ends with that refusal instead of reporting unrefined windows.
// Until T0 + 80 Saturn only crosses (200° into the window, 210° into
// Vrishchika); refused within a day of T0 + 100, only its station fails.
TEST(ScriptedSky, ARefusedCallWhileRefiningEndsTheSearch) {
    struct Case {
        const char* refined;
        double to;
        double refusedFrom;
        double refusedTo;
    };
    const std::vector<Case> cases = {
        {"a crossing", T0 + 80, T0 - 50, T0 + 80},
        {"a station", T0 + 650, T0 + 99, T0 + 101},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.refined);
        const std::vector<double> samples = SampleTimes(T0 - 50, test.to, 10);
        const auto refuses = [&](int body, double time) {
            return body == Saturn && time >= test.refusedFrom && time <= test.refusedTo &&
                   std::find(samples.begin(), samples.end(), time) == samples.end();
        };
        std::vector<TransitEvent> events;
        const Result<TransitCounts> counts = Search(ScriptedSources(refuses), test.to, events);
        ASSERT_FALSE(counts.has_value());
        EXPECT_EQ(counts.refusal().message, "The scripted sky has no answer here.");
    }
}

TEST(TransitEventFlaw, NamesAWindowNoSkyCouldGive) {
    struct Case {
        TransitEvent event;
        std::optional<std::string> flaw;
    };
    const auto sputa = [](double start, double end, double peak, double virupas) {
        return TransitEvent{.kind = TransitKind::Sputa,
                            .start = start,
                            .end = end,
                            .peak = peak,
                            .peakVirupas = virupas};
    };
    const std::vector<Case> cases = {
        {sputa(10, 20, 15, 45), std::nullopt},
        {sputa(10, 20, 10, 50), std::nullopt},
        {TransitEvent{.start = 20, .end = 10}, "a window ends before it starts"},
        {sputa(10, 20, 20.5, 50), "a window's peak lies outside it"},
        {sputa(10, 20, 9.5, 50), "a window's peak lies outside it"},
        {sputa(10, 20, 15, 44.9), "a Sputa window's peak is below the threshold"},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(FlawOf(test.event, 45), test.flaw);
    }
}

}  // namespace
}  // namespace sarovin
