#include "transits/body_group.h"

#include <cmath>

#include "drishti/classical_sputa_drishti.h"
#include "drishti/graha_drishti.h"
#include "engine/body_slot.h"
#include "transits/transit_search.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

int KakshyaOf(double longitude) {
    constexpr int KAKSHYAS = SIGN_COUNT * KAKSHYAS_PER_SIGN;
    return std::min(static_cast<int>(ZodiacDegrees(longitude) * KAKSHYAS_PER_SIGN / SIGN_WIDTH),
                    KAKSHYAS - 1);
}

}  // namespace

BodyGroup::BodyGroup(const TransitRequest& request, std::vector<BodyPlan> plans) {
    const int moonSign = SignOf(request.points[Moon].longitude);
    for (const BodyPlan& plan : plans) {
        Followed followed{.plan = plan};
        for (int point = 0; point < static_cast<int>(request.points.size()); ++point) {
            const double longitude = request.points[point].longitude;
            if (plan.body < GRAHA_ROWS) {
                followed.signWindows.emplace_back(TransitKind::Graha, plan.body, point,
                                                  SignOf(longitude));
            }
            if (plan.body < ASPECTING_PLANETS) {
                followed.sputaWindows.emplace_back(plan.body, point, longitude, request.threshold);
            }
        }
        if (plan.body == Saturn) {
            followed.signWindows.emplace_back(TransitKind::SadeSati, Saturn, Moon, moonSign);
        }
        if (request.ashtakavarga && (plan.body == Jupiter || plan.body == Saturn)) {
            followed.kakshyaWindows.emplace_back(plan.body, *request.ashtakavarga);
        }
        followed_.push_back(std::move(followed));
    }
}

std::optional<Refusal> BodyGroup::Follow(Followed& followed, PositionSource& source, bool first,
                                         std::vector<TransitEvent>& closed) {
    const BodyTrack& track = followed.track;
    const double start = track.samples.front().time;
    if (first) {
        const int sign = SignOf(track.samples.front().longitude);
        for (SignWindows& windows : followed.signWindows) {
            windows.Begin(start, sign);
        }
        for (SputaWindows& windows : followed.sputaWindows) {
            windows.Begin(track, start);
        }
        for (KakshyaWindows& windows : followed.kakshyaWindows) {
            windows.Begin(start, KakshyaOf(track.samples.front().longitude));
        }
    }
    const Polishing polishing{source, followed.plan.polish, followed.plan.step, calls_};
    const Result<std::vector<Ingress>> ingresses = IngressesOf(track, SignStarts(), polishing);
    if (!ingresses) {
        return ingresses.refusal();
    }
    for (SignWindows& windows : followed.signWindows) {
        for (const Ingress& ingress : *ingresses) {
            windows.Enter(ingress, closed);
        }
    }
    for (SputaWindows& windows : followed.sputaWindows) {
        if (std::optional<Refusal> refused = windows.Walk(track, polishing, closed)) {
            return refused;
        }
    }
    if (followed.kakshyaWindows.empty()) {
        return std::nullopt;
    }
    const Result<std::vector<Ingress>> kakshyas = IngressesOf(track, KakshyaStarts(), polishing);
    if (!kakshyas) {
        return kakshyas.refusal();
    }
    for (KakshyaWindows& windows : followed.kakshyaWindows) {
        for (const Ingress& ingress : *kakshyas) {
            windows.Enter(ingress, closed);
        }
    }
    return std::nullopt;
}

std::optional<Refusal> BodyGroup::Search(PositionSource& source, double start, double end,
                                         std::vector<TransitEvent>& closed) {
    for (Followed& followed : followed_) {
        const bool first = !followed.last;
        Result<BodyTrack> track =
            SampleTrack(source, followed.plan.body, start, end, followed.plan.step,
                        first ? nullptr : &*followed.last, calls_);
        if (!track) {
            return track.refusal();
        }
        followed.track = std::move(*track);
        followed.last = followed.track.samples.back();
        if (std::optional<Refusal> refused = Follow(followed, source, first, closed)) {
            return refused;
        }
    }
    return std::nullopt;
}

std::optional<Refusal> BodyGroup::Finish(PositionSource& source,
                                         std::vector<TransitEvent>& closed) {
    for (Followed& followed : followed_) {
        const double end = followed.track.samples.back().time;
        for (SignWindows& windows : followed.signWindows) {
            windows.Finish(end, closed);
        }
        const Polishing polishing{source, followed.plan.polish, followed.plan.step, calls_};
        for (SputaWindows& windows : followed.sputaWindows) {
            if (std::optional<Refusal> refused =
                    windows.Finish(followed.track, end, polishing, closed)) {
                return refused;
            }
        }
        for (KakshyaWindows& windows : followed.kakshyaWindows) {
            windows.Finish(end, closed);
        }
    }
    return std::nullopt;
}

std::optional<TransitEvent> BodyGroup::EarliestOpen() const {
    std::optional<TransitEvent> earliest;
    auto consider = [&earliest](const std::optional<TransitEvent>& open) {
        if (open && (!earliest || ReportedBefore(*open, *earliest))) {
            earliest = open;
        }
    };
    for (const Followed& followed : followed_) {
        for (const SignWindows& windows : followed.signWindows) {
            consider(windows.open());
        }
        for (const SputaWindows& windows : followed.sputaWindows) {
            consider(windows.open());
        }
        for (const KakshyaWindows& windows : followed.kakshyaWindows) {
            consider(windows.open());
        }
    }
    return earliest;
}

}  // namespace sarovin
