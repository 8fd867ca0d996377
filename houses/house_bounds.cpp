#include "houses/house_bounds.h"

#include <cmath>

namespace sarovin {

namespace {

constexpr double HALF_SIGN = 15;

// Midway from `from` forward along the zodiac to `to`.
double MidwayForward(double from, double to) {
    return ZodiacDegrees(from + ZodiacDegrees(to - from) / 2);
}

// Each house ends exactly where the next starts.
HouseFrame CloseEnds(HouseFrame frame) {
    for (int house = 0; house < HOUSES; ++house) {
        frame[house].end = frame[(house + 1) % HOUSES].start;
    }
    return frame;
}

}  // namespace

HouseFrame SripatiHouses(const std::array<double, HOUSES>& porphyryCusps) {
    HouseFrame frame{};
    for (int house = 0; house < HOUSES; ++house) {
        const double previous = porphyryCusps[(house + HOUSES - 1) % HOUSES];
        frame[house].madhya = porphyryCusps[house];
        frame[house].start = MidwayForward(previous, porphyryCusps[house]);
    }
    return CloseEnds(frame);
}

HouseFrame EqualHouses(double lagna) {
    HouseFrame frame{};
    for (int house = 0; house < HOUSES; ++house) {
        frame[house].madhya = ZodiacDegrees(lagna + SIGN_WIDTH * house);
        frame[house].start = ZodiacDegrees(frame[house].madhya - HALF_SIGN);
    }
    return CloseEnds(frame);
}

HouseFrame WholeSignHouses(double lagna) {
    const double firstSign = SignOf(lagna) * SIGN_WIDTH;
    HouseFrame frame{};
    for (int house = 0; house < HOUSES; ++house) {
        frame[house].start = ZodiacDegrees(firstSign + SIGN_WIDTH * house);
        frame[house].madhya = frame[house].start + HALF_SIGN;
    }
    return CloseEnds(frame);
}

HouseFrame PlacidusHouses(const std::array<double, HOUSES>& placidusCusps) {
    HouseFrame frame{};
    for (int house = 0; house < HOUSES; ++house) {
        frame[house].start = placidusCusps[house];
        frame[house].madhya =
            MidwayForward(placidusCusps[house], placidusCusps[(house + 1) % HOUSES]);
    }
    return CloseEnds(frame);
}

int HouseIndexOf(double longitude, const HouseFrame& frame) {
    for (int house = 0; house < HOUSES; ++house) {
        const HouseBounds& bounds = frame[house];
        if (ArcFromTo(bounds.start, bounds.end).Contains(longitude)) {
            return house;
        }
    }
    return 0;  // not reached: the twelve spans cover the circle
}

}  // namespace sarovin
