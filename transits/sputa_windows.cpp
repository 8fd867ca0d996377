#include "transits/sputa_windows.h"

#include <algorithm>
#include <cmath>

#include "drishti/classical_sputa_drishti.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr double BAND = 30;

}  // namespace

SputaWindows::SputaWindows(int planet, int natal, double natalLongitude, double threshold)
    : planet_(planet),
      natal_(natal),
      natalLongitude_(natalLongitude),
      zones_(ZonesAtOrAbove(planet, threshold)) {
    for (const ZodiacArc& arc : zones_.arcs) {
        const double lower = arc.start;
        const double upper = arc.start + arc.Length();
        if (!zones_.whole) {
            marks_.push_back({0, ZodiacDegrees(lower), true, false});
            marks_.push_back({0, ZodiacDegrees(upper), false, true});
        }
        for (double edge = BAND * std::floor(lower / BAND) + BAND; edge < upper; edge += BAND) {
            if (edge > lower) {
                marks_.push_back({0, ZodiacDegrees(edge), false, false});
            }
        }
    }
    // The angle runs from the planet forward to the point: the planet at
    // the point's longitude less the angle.
    for (Mark& mark : marks_) {
        mark.longitude = ZodiacDegrees(natalLongitude_ - mark.angle);
    }
    std::sort(marks_.begin(), marks_.end(),
              [](const Mark& a, const Mark& b) { return a.longitude < b.longitude; });
    for (const Mark& mark : marks_) {
        longitudes_.push_back(mark.longitude);
    }
}

double SputaWindows::AngleAt(const BodyTrack& track, double time) const {
    return ZodiacDegrees(natalLongitude_ - TrackLongitude(track, time));
}

void SputaWindows::Consider(const Peak& candidate) {
    if (candidate.virupas > peak_.virupas) {
        peak_ = candidate;
    }
}

void SputaWindows::Open(double estimate, double time, bool cut) {
    open_ = TransitEvent{.kind = TransitKind::Sputa,
                         .transiting = planet_,
                         .natal = natal_,
                         .start = time,
                         .startCut = cut};
    startEstimate_ = estimate;
    peak_ = {time, -1, std::nullopt};
}

// A peak at the window's start or end takes the time polished there.
void SputaWindows::Close(double estimate, double time, bool cut,
                         std::vector<TransitEvent>& closed) {
    open_->end = time;
    open_->endCut = cut;
    if (peak_.station) {
        open_->peak = PolishedStation(peak_.time);
    } else if (!peak_.longitude) {
        open_->peak = peak_.time;
    } else if (peak_.time == startEstimate_) {
        open_->peak = open_->start;
    } else if (peak_.time == estimate) {
        open_->peak = time;
    } else {
        open_->peak = Polished(peak_.time, *peak_.longitude);
    }
    open_->peakVirupas = peak_.virupas;
    open_->sign = SignOf(peak_.planetLongitude);
    closed.push_back(*open_);
    open_.reset();
}

void SputaWindows::Cross(const Crossing& crossing, std::vector<TransitEvent>& closed) {
    const Mark& mark = marks_[crossing.target];
    // The angle grows as the planet's longitude falls.
    const bool angleRising = !crossing.increasing;
    const bool enters = (mark.lower && angleRising) || (mark.upper && !angleRising);
    const bool leaves = (mark.upper && angleRising) || (mark.lower && !angleRising);
    if (enters && !open_) {
        Open(crossing.time, Polished(crossing.time, mark.longitude), false);
    }
    if (open_) {
        Consider({crossing.time, StrengthReached(planet_, mark.angle), mark.longitude, false,
                  mark.longitude});
    }
    if (leaves && open_) {
        Close(crossing.time, Polished(crossing.time, mark.longitude), false, closed);
    }
}

double SputaWindows::Polished(double time, double longitude) {
    if (!polishing_->polish || refused_) {
        return time;
    }
    return Kept(PolishCrossing(polishing_->source, planet_, time, longitude, polishing_->bracket,
                               polishing_->calls),
                time);
}

double SputaWindows::PolishedStation(double time) {
    if (!polishing_->polish || refused_) {
        return time;
    }
    return Kept(
        PolishStation(polishing_->source, planet_, time, polishing_->bracket, polishing_->calls),
        time);
}

double SputaWindows::Kept(const Result<double>& polished, double estimate) {
    if (!polished) {
        refused_ = polished.refusal();
        return estimate;
    }
    return *polished;
}

std::optional<Refusal> SputaWindows::Walk(const BodyTrack& track, const Polishing& polishing,
                                          std::vector<TransitEvent>& closed) {
    polishing_ = &polishing;
    WalkTrack(
        track, longitudes_, [&](const Crossing& crossing) { Cross(crossing, closed); },
        [&](double time) {
            if (open_) {
                Consider({time, ClassicalSputaStrength(planet_, AngleAt(track, time)), std::nullopt,
                          true, TrackLongitude(track, time)});
            }
        });
    polishing_ = nullptr;
    return refused_;
}

void SputaWindows::Begin(const BodyTrack& track, double time) {
    const double angle = AngleAt(track, time);
    if (zones_.Contains(angle)) {
        Open(time, time, true);
        Consider({time, ClassicalSputaStrength(planet_, angle), std::nullopt, false,
                  TrackLongitude(track, time)});
    }
}

std::optional<Refusal> SputaWindows::Finish(const BodyTrack& track, double time,
                                            const Polishing& polishing,
                                            std::vector<TransitEvent>& closed) {
    if (open_) {
        polishing_ = &polishing;
        Consider({time, ClassicalSputaStrength(planet_, AngleAt(track, time)), std::nullopt, false,
                  TrackLongitude(track, time)});
        Close(time, time, true, closed);
        polishing_ = nullptr;
    }
    return refused_;
}

}  // namespace sarovin
