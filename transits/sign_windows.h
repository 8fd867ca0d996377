#pragma once

#include <optional>
#include <vector>

#include "transits/body_track.h"
#include "transits/open_window.h"
#include "transits/transit_event.h"

namespace sarovin {

// An ingress: the moment a body enters `part` of the circle (a sign, 0 is
// Mesha, or a Kakshya), forward or back.
struct Ingress {
    double time = 0;
    int part = 0;
};

// How a track's times are refined: on the source, within `bracket` days,
// or not at all; the calls made are counted.
struct Polishing {
    PositionSource& source;
    bool polish = false;
    double bracket = 0;
    long& calls;
};

// The track's entries into the parts of the circle that begin at `starts`
// (sorted, in [0, 360), the first at 0), in time order; for a body whose
// times are polished, each on the ephemeris. Refuses on the first call the
// source refuses.
Result<std::vector<Ingress>> IngressesOf(const BodyTrack& track, std::span<const double> starts,
                                         const Polishing& polishing);

// The twelve signs' starts, 0° Mesha first.
std::span<const double> SignStarts();

// One transiting body against one natal point, window by window: each stay
// in a sign that `Holds` is a window of its own, so a retrograde return
// opens a new one. Graha Drishti holds from the signs whose aspect falls on
// the point's sign; Sade Sati from the 12th, 1st and 2nd sign from the
// natal Moon's.
class SignWindows {
  public:
    SignWindows(TransitKind kind, int transiting, int natal, int natalSign);

    void Begin(double time, int sign);
    void Enter(const Ingress& ingress, std::vector<TransitEvent>& closed);
    void Finish(double time, std::vector<TransitEvent>& closed);
    const std::optional<TransitEvent>& open() const { return window_.event(); }

  private:
    std::optional<TransitEvent> WindowFor(int sign, double time) const;

    TransitKind kind_;
    int transiting_;
    int natal_;
    int natalSign_;
    OpenWindow window_;
};

// The phase of the Sade Sati with Saturn in `saturnSign` and the natal Moon
// in `moonSign` (0 is Mesha): rising in the 12th from the Moon, the peak in
// its sign, setting in the 2nd; none elsewhere.
std::optional<SadeSatiPhase> SadeSatiPhaseOf(int saturnSign, int moonSign);

}  // namespace sarovin
