#pragma once

#include <optional>
#include <vector>

#include "transits/body_track.h"
#include "transits/kakshya_windows.h"
#include "transits/sign_windows.h"
#include "transits/sputa_windows.h"

namespace sarovin {

struct TransitRequest;

// How a body is followed: its sampling step in days (short enough that the
// cubic between samples is right to a fraction of a minute away from the
// Sun and from stations) and whether each reported time is polished on the
// ephemeris (the planets, whose light the library bends near the Sun, and
// the true node).
struct BodyPlan {
    int body = 0;
    double step = 0;
    bool polish = false;
};

// The windows of some transiting bodies, stretch by stretch: one thread's
// share of a search.
class BodyGroup {
  public:
    BodyGroup(const TransitRequest& request, std::vector<BodyPlan> plans);

    // Searches [start, end]; windows that close go to `closed`.
    std::optional<Refusal> Search(PositionSource& source, double start, double end,
                                  std::vector<TransitEvent>& closed);
    // Closes the windows still open at the span's end.
    std::optional<Refusal> Finish(PositionSource& source, std::vector<TransitEvent>& closed);
    // The first, in report order, of the windows still open.
    std::optional<TransitEvent> EarliestOpen() const;
    long calls() const { return calls_; }

  private:
    struct Followed {
        BodyPlan plan;
        std::optional<TrackSample> last{};
        BodyTrack track{};
        std::vector<SignWindows> signWindows{};
        std::vector<SputaWindows> sputaWindows{};
        // Jupiter's or Saturn's, when the request has an Ashtakavarga.
        std::vector<KakshyaWindows> kakshyaWindows{};
    };

    std::optional<Refusal> Follow(Followed& followed, PositionSource& source, bool first,
                                  std::vector<TransitEvent>& closed);

    std::vector<Followed> followed_;
    long calls_ = 0;
};

}  // namespace sarovin
