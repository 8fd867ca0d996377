#include "transits/kakshya_windows.h"
#include "zodiac/zodiac.h"

#include <algorithm>

namespace sarovin {

namespace {

constexpr int KAKSHYAS = ZODIAC_SIGNS * KAKSHYAS_PER_SIGN;
// 3°45': the eighth part of a sign.
constexpr double KAKSHYA_SPAN = SIGN_WIDTH / KAKSHYAS_PER_SIGN;

std::array<double, KAKSHYAS> EveryKakshyaStart() {
    std::array<double, KAKSHYAS> starts{};
    for (int kakshya = 0; kakshya < KAKSHYAS; ++kakshya) {
        starts[static_cast<std::size_t>(kakshya)] = kakshya * KAKSHYA_SPAN;
    }
    return starts;
}

const std::array<double, KAKSHYAS> KAKSHYA_STARTS = EveryKakshyaStart();

AshtakaPoint OwnerOf(int planet) {
    const auto found = std::find(AshtakaPlanetSlots.begin(), AshtakaPlanetSlots.end(),
                                 static_cast<BodySlot>(planet));
    return static_cast<AshtakaPoint>(found - AshtakaPlanetSlots.begin());
}

}  // namespace

std::span<const double> KakshyaStarts() {
    return KAKSHYA_STARTS;
}

KakshyaWindows::KakshyaWindows(int planet, const Ashtakavarga& ashtakavarga)
    : planet_(planet), owner_(OwnerOf(planet)), ashtakavarga_(ashtakavarga) {}

std::optional<TransitEvent> KakshyaWindows::WindowFor(int kakshya, double time) const {
    const int sign = kakshya / KAKSHYAS_PER_SIGN;
    const AshtakaPoint lord = KakshyaLords[static_cast<std::size_t>(kakshya % KAKSHYAS_PER_SIGN)];
    if (!GivesBindu(ashtakavarga_, owner_, lord, sign)) {
        return std::nullopt;
    }
    return TransitEvent{.kind = TransitKind::Kakshya,
                        .transiting = planet_,
                        .start = time,
                        .sign = sign,
                        .kakshyaLord = static_cast<int>(lord)};
}

void KakshyaWindows::Begin(double time, int kakshya) {
    window_.Begin(WindowFor(kakshya, time));
}

void KakshyaWindows::Enter(const Ingress& ingress, std::vector<TransitEvent>& closed) {
    window_.Enter(ingress.time, WindowFor(ingress.part, ingress.time), closed);
}

void KakshyaWindows::Finish(double time, std::vector<TransitEvent>& closed) {
    window_.Finish(time, closed);
}

}  // namespace sarovin
