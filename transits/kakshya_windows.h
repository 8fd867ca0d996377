#pragma once

#include "transits/open_window.h"

#include <optional>
#include <vector>

#include "ashtakavarga/ashtakavarga.h"
#include "transits/sign_windows.h"

namespace sarovin {

inline constexpr int KAKSHYAS_PER_SIGN = 8;

// The lords of a sign's eight Kakshyas (orbits) of 3°45' in turn, from 0°
// of the sign: Saturn, Jupiter, Mars, the Sun, Venus, Mercury, the Moon and
// the Lagna, the orbits from the outermost in, as the Ashtakavarga reading
// of transits takes them (P. V. R. Narasimha Rao, "Vedic Astrology: An
// Integrated Approach", ch. 25, on Kakshyas).
inline constexpr std::array<AshtakaPoint, KAKSHYAS_PER_SIGN> KakshyaLords = {
    AshtakaPoint::Saturn, AshtakaPoint::Jupiter, AshtakaPoint::Mars, AshtakaPoint::Sun,
    AshtakaPoint::Venus,  AshtakaPoint::Mercury, AshtakaPoint::Moon, AshtakaPoint::Lagna};

// The starts of the 96 Kakshyas round the circle from 0° Mesha: an
// Ingress's `part` over them is the Kakshya's place, 0 to 95.
std::span<const double> KakshyaStarts();

// One planet (Jupiter or Saturn) through the Kakshyas, window by window:
// each stay in a Kakshya whose lord gave a bindu to its sign in the
// planet's own Bhinnashtakavarga.
class KakshyaWindows {
  public:
    KakshyaWindows(int planet, const Ashtakavarga& ashtakavarga);

    void Begin(double time, int kakshya);
    void Enter(const Ingress& ingress, std::vector<TransitEvent>& closed);
    void Finish(double time, std::vector<TransitEvent>& closed);
    const std::optional<TransitEvent>& open() const { return window_.event(); }

  private:
    std::optional<TransitEvent> WindowFor(int kakshya, double time) const;

    int planet_;
    AshtakaPoint owner_;
    const Ashtakavarga& ashtakavarga_;
    OpenWindow window_;
};

}  // namespace sarovin
