#pragma once

#include <optional>
#include <vector>

#include "transits/body_track.h"
#include "transits/sign_windows.h"
#include "transits/sputa_zones.h"
#include "transits/transit_event.h"

namespace sarovin {

// One planet (Sun to Saturn) against one natal point: the windows while its
// classical Sputa Drishti on the point is at or above the threshold, each
// with the moment and virupas of its peak. Within a window the strength is
// linear in the angle between band edges and the angle is monotonic between
// stations, so the peak lies at a band edge, a station or a cut end.
class SputaWindows {
  public:
    SputaWindows(int planet, int natal, double natalLongitude, double threshold);

    // Times are refined as `polishing` says; refuses on the first call its
    // source refuses.
    std::optional<Refusal> Walk(const BodyTrack& track, const Polishing& polishing,
                                std::vector<TransitEvent>& closed);
    void Begin(const BodyTrack& track, double time);
    std::optional<Refusal> Finish(const BodyTrack& track, double time, const Polishing& polishing,
                                  std::vector<TransitEvent>& closed);
    const std::optional<TransitEvent>& open() const { return open_; }

  private:
    // A longitude of the planet where something happens to the window:
    // the arc's lower or upper end, or a band edge inside an arc.
    struct Mark {
        double longitude;
        double angle;
        bool lower;
        bool upper;
    };
    struct Peak {
        double time;
        double virupas;
        std::optional<double> longitude{};  // a crossing's, to polish
        bool station = false;               // a station's, to polish
        double planetLongitude = 0;         // where the planet stands then
    };

    double AngleAt(const BodyTrack& track, double time) const;
    void Consider(const Peak& candidate);
    // `estimate` is the time on the sampled track, `time` the one reported.
    void Open(double estimate, double time, bool cut);
    void Close(double estimate, double time, bool cut, std::vector<TransitEvent>& closed);
    void Cross(const Crossing& crossing, std::vector<TransitEvent>& closed);
    double Polished(double time, double longitude);
    double PolishedStation(double time);
    // The polished time, or the estimate once the source has refused (the
    // refusal is kept).
    double Kept(const Result<double>& polished, double estimate);

    int planet_;
    int natal_;
    double natalLongitude_;
    SputaZones zones_;
    std::vector<Mark> marks_;
    std::vector<double> longitudes_;
    std::optional<TransitEvent> open_;
    Peak peak_{};
    double startEstimate_ = 0;
    // The refining of the Walk or Finish under way.
    const Polishing* polishing_ = nullptr;
    // The first call the source refused while polishing: the windows after
    // it are not reported.
    std::optional<Refusal> refused_;
};

}  // namespace sarovin
