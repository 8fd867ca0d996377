#include "transits/sign_windows.h"

#include <algorithm>
#include <array>

#include "drishti/graha_drishti.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr std::array<double, SIGN_COUNT> SIGN_STARTS = {0,   30,  60,  90,  120, 150,
                                                        180, 210, 240, 270, 300, 330};

int SignsAhead(int from, int to) {
    return ((to - from) % SIGN_COUNT + SIGN_COUNT) % SIGN_COUNT;
}

// The counts of the Graha Drishti tab (Brihat Parashara Hora Shastra,
// ch. 26), from the transiting body's sign as the first.
bool AspectsSign(int body, int bodySign, int pointSign) {
    const std::span<const int> counts = GrahaAspectCounts(body);
    const int count = SignsAhead(bodySign, pointSign) + 1;
    return std::find(counts.begin(), counts.end(), count) != counts.end();
}

}  // namespace

// Saturn's sign counted from the natal Moon's: the 12th opens the Sade
// Sati, the 1st is its peak, the 2nd closes it (the seven and a half years
// of Saturn round the Moon as common Vedic practice reckons them, its
// phases named rising, peak and setting as they commonly are).
std::optional<SadeSatiPhase> SadeSatiPhaseOf(int saturnSign, int moonSign) {
    switch (SignsAhead(moonSign, saturnSign)) {
        case SIGN_COUNT - 1:
            return SadeSatiPhase::Rising;
        case 0:
            return SadeSatiPhase::Peak;
        case 1:
            return SadeSatiPhase::Setting;
        default:
            return std::nullopt;
    }
}

std::span<const double> SignStarts() {
    return SIGN_STARTS;
}

Result<std::vector<Ingress>> IngressesOf(const BodyTrack& track, std::span<const double> starts,
                                         const Polishing& polishing) {
    const int parts = static_cast<int>(starts.size());
    std::vector<Ingress> ingresses;
    std::optional<Refusal> refused;
    WalkTrack(
        track, starts,
        [&](const Crossing& crossing) {
            if (refused) {
                return;
            }
            double time = crossing.time;
            if (polishing.polish) {
                const Result<double> polished =
                    PolishCrossing(polishing.source, track.body, crossing.time,
                                   starts[static_cast<std::size_t>(crossing.target)],
                                   polishing.bracket, polishing.calls);
                if (!polished) {
                    refused = polished.refusal();
                    return;
                }
                time = *polished;
            }
            const int part =
                crossing.increasing ? crossing.target : (crossing.target + parts - 1) % parts;
            ingresses.push_back({time, part});
        },
        [](double) {});
    if (refused) {
        return *refused;
    }
    return ingresses;
}

SignWindows::SignWindows(TransitKind kind, int transiting, int natal, int natalSign)
    : kind_(kind), transiting_(transiting), natal_(natal), natalSign_(natalSign) {}

std::optional<TransitEvent> SignWindows::WindowFor(int sign, double time) const {
    TransitEvent event{
        .kind = kind_, .transiting = transiting_, .natal = natal_, .start = time, .sign = sign};
    if (kind_ == TransitKind::SadeSati) {
        event.phase = SadeSatiPhaseOf(sign, natalSign_);
        return event.phase ? std::optional(event) : std::nullopt;
    }
    return AspectsSign(transiting_, sign, natalSign_) ? std::optional(event) : std::nullopt;
}

void SignWindows::Begin(double time, int sign) {
    window_.Begin(WindowFor(sign, time));
}

void SignWindows::Enter(const Ingress& ingress, std::vector<TransitEvent>& closed) {
    window_.Enter(ingress.time, WindowFor(ingress.part, ingress.time), closed);
}

void SignWindows::Finish(double time, std::vector<TransitEvent>& closed) {
    window_.Finish(time, closed);
}

}  // namespace sarovin
