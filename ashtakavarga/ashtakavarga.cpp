#include "ashtakavarga/ashtakavarga.h"

namespace sarovin {

namespace {

constexpr std::size_t Index(AshtakaPoint point) {
    return static_cast<std::size_t>(point);
}

// The signs of `places` counted from `fromSign`, the sign itself the 1st.
std::uint16_t SignsOfPlaces(std::uint16_t places, int fromSign) {
    std::uint16_t signs = 0;
    for (int place = 0; place < ZODIAC_SIGNS; ++place) {
        if ((places >> place & 1U) != 0) {
            signs = static_cast<std::uint16_t>(signs | 1U << ((fromSign + place) % ZODIAC_SIGNS));
        }
    }
    return signs;
}

}  // namespace

Ashtakavarga ComputeAshtakavarga(const std::array<int, ASHTAKA_POINT_COUNT>& signs,
                                 AshtakavargaTables tables) {
    Ashtakavarga result;
    result.tables = tables;
    for (int owner = 0; owner < ASHTAKA_POINT_COUNT; ++owner) {
        for (int contributor = 0; contributor < ASHTAKA_POINT_COUNT; ++contributor) {
            const std::uint16_t places = ContributingPlaces(
                tables, static_cast<AshtakaPoint>(owner), static_cast<AshtakaPoint>(contributor));
            const std::uint16_t given =
                SignsOfPlaces(places, signs[static_cast<std::size_t>(contributor)]);
            result
                .prastara[static_cast<std::size_t>(owner)][static_cast<std::size_t>(contributor)] =
                given;
            for (int sign = 0; sign < ZODIAC_SIGNS; ++sign) {
                result.bhinna[static_cast<std::size_t>(owner)][static_cast<std::size_t>(sign)] +=
                    given >> sign & 1;
            }
        }
    }
    for (int planet = 0; planet < ASHTAKA_PLANET_COUNT; ++planet) {
        for (int sign = 0; sign < ZODIAC_SIGNS; ++sign) {
            result.sarva[static_cast<std::size_t>(sign)] +=
                result.bhinna[static_cast<std::size_t>(planet)][static_cast<std::size_t>(sign)];
        }
    }
    return result;
}

bool GivesBindu(const Ashtakavarga& ashtakavarga, AshtakaPoint owner, AshtakaPoint contributor,
                int sign) {
    return (ashtakavarga.prastara[Index(owner)][Index(contributor)] >> sign & 1U) != 0;
}

}  // namespace sarovin
