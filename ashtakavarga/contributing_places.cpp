#include "ashtakavarga/contributing_places.h"

#include <array>
#include <initializer_list>

namespace sarovin {

namespace {

using PlaceMask = std::uint16_t;
using Table = std::array<PlaceMask, ASHTAKA_POINT_COUNT>;

constexpr PlaceMask Places(std::initializer_list<int> places) {
    PlaceMask mask = 0;
    for (const int place : places) {
        mask = static_cast<PlaceMask>(mask | 1U << (place - 1));
    }
    return mask;
}

// Brihat Parashara Hora Shastra, ch. 66: for each owner's table (rows), the
// places from the Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn and the
// Lagna (columns) where a bindu falls. Totals: Sun 48, Moon 49, Mars 39,
// Mercury 54, Jupiter 56, Venus 52, Saturn 39, Lagna 49.
constexpr std::array<Table, ASHTAKA_POINT_COUNT> PARASHARA = {{
    {Places({1, 2, 4, 7, 8, 9, 10, 11}), Places({3, 6, 10, 11}), Places({1, 2, 4, 7, 8, 9, 10, 11}),
     Places({3, 5, 6, 9, 10, 11, 12}), Places({5, 6, 9, 11}), Places({6, 7, 12}),
     Places({1, 2, 4, 7, 8, 9, 10, 11}), Places({3, 4, 6, 10, 11, 12})},
    {Places({3, 6, 7, 8, 10, 11}), Places({1, 3, 6, 7, 9, 10, 11}), Places({2, 3, 5, 6, 10, 11}),
     Places({1, 3, 4, 5, 7, 8, 10, 11}), Places({1, 2, 4, 7, 8, 10, 11}),
     Places({3, 4, 5, 7, 9, 10, 11}), Places({3, 5, 6, 11}), Places({3, 6, 10, 11})},
    {Places({3, 5, 6, 10, 11}), Places({3, 6, 11}), Places({1, 2, 4, 7, 8, 10, 11}),
     Places({3, 5, 6, 11}), Places({6, 10, 11, 12}), Places({6, 8, 11, 12}),
     Places({1, 4, 7, 8, 9, 10, 11}), Places({1, 3, 6, 10, 11})},
    {Places({5, 6, 9, 11, 12}), Places({2, 4, 6, 8, 10, 11}), Places({1, 2, 4, 7, 8, 9, 10, 11}),
     Places({1, 3, 5, 6, 9, 10, 11, 12}), Places({6, 8, 11, 12}), Places({1, 2, 3, 4, 5, 8, 9, 11}),
     Places({1, 2, 4, 7, 8, 9, 10, 11}), Places({1, 2, 4, 6, 8, 10, 11})},
    {Places({1, 2, 3, 4, 7, 8, 9, 10, 11}), Places({2, 5, 7, 9, 11}),
     Places({1, 2, 4, 7, 8, 10, 11}), Places({1, 2, 4, 5, 6, 9, 10, 11}),
     Places({1, 2, 3, 4, 7, 8, 10, 11}), Places({2, 5, 6, 9, 10, 11}), Places({3, 5, 6, 12}),
     Places({1, 2, 4, 5, 6, 7, 9, 10, 11})},
    {Places({8, 11, 12}), Places({1, 2, 3, 4, 5, 8, 9, 11, 12}), Places({3, 4, 6, 9, 11, 12}),
     Places({3, 5, 6, 9, 11}), Places({5, 8, 9, 10, 11}), Places({1, 2, 3, 4, 5, 8, 9, 10, 11}),
     Places({3, 4, 5, 8, 9, 10, 11}), Places({1, 2, 3, 4, 5, 8, 9, 11})},
    {Places({1, 2, 4, 7, 8, 10, 11}), Places({3, 6, 11}), Places({3, 5, 6, 10, 11, 12}),
     Places({6, 8, 9, 10, 11, 12}), Places({5, 6, 11, 12}), Places({6, 11, 12}),
     Places({3, 5, 6, 11}), Places({1, 3, 4, 6, 10, 11})},
    {Places({3, 4, 6, 10, 11, 12}), Places({3, 6, 10, 11, 12}), Places({1, 3, 6, 10, 11}),
     Places({1, 2, 4, 6, 8, 10, 11}), Places({1, 2, 4, 5, 6, 7, 9, 10, 11}),
     Places({1, 2, 3, 4, 5, 8, 9}), Places({1, 3, 4, 6, 10, 11}), Places({3, 6, 10, 11})},
}};

// A place where the two tables differ: one has a bindu there, the other not.
struct DifferingPlace {
    AshtakaPoint owner;
    AshtakaPoint contributor;
    int place;
};

// Brihat Jataka, ch. 9, against Parashara's tables, as P. V. R. Narasimha
// Rao sets them side by side ("Vedic Astrology: An Integrated Approach",
// ch. 12): in the Moon's table Varahamihira moves the Moon's bindu in the
// 9th to the 9th from Mars and Jupiter's from the 2nd to the 12th; in
// Venus's table Mars's from the 4th to the 5th. Each move leaves the
// contributor's count, and so every total, as it was.
constexpr std::array<DifferingPlace, 6> VARAHAMIHIRA_DIFFERENCES = {{
    {AshtakaPoint::Moon, AshtakaPoint::Moon, 9},
    {AshtakaPoint::Moon, AshtakaPoint::Mars, 9},
    {AshtakaPoint::Moon, AshtakaPoint::Jupiter, 2},
    {AshtakaPoint::Moon, AshtakaPoint::Jupiter, 12},
    {AshtakaPoint::Venus, AshtakaPoint::Mars, 4},
    {AshtakaPoint::Venus, AshtakaPoint::Mars, 5},
}};

}  // namespace

std::uint16_t ContributingPlaces(AshtakavargaTables tables, AshtakaPoint owner,
                                 AshtakaPoint contributor) {
    PlaceMask places =
        PARASHARA[static_cast<std::size_t>(owner)][static_cast<std::size_t>(contributor)];
    if (tables == AshtakavargaTables::Parashara) {
        return places;
    }
    for (const DifferingPlace& differing : VARAHAMIHIRA_DIFFERENCES) {
        if (differing.owner == owner && differing.contributor == contributor) {
            places = static_cast<PlaceMask>(places ^ Places({differing.place}));
        }
    }
    return places;
}

}  // namespace sarovin
