#include "houses/house_bounds.h"

#include <cmath>

namespace sarovin {

namespace {

constexpr double FULL_CIRCLE = 360;
constexpr double SIGN_WIDTH = 30;
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

double ZodiacDegrees(double longitude) {
    const double reduced = std::fmod(longitude, FULL_CIRCLE);
    // A tiny negative remainder rounds up to the full circle when lifted.
    const double lifted = reduced < 0 ? reduced + FULL_CIRCLE : reduced;
    return lifted < FULL_CIRCLE ? lifted : 0;
}

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
    const double firstSign = std::floor(ZodiacDegrees(lagna) / SIGN_WIDTH) * SIGN_WIDTH;
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
        if (ZodiacDegrees(longitude - bounds.start) < ZodiacDegrees(bounds.end - bounds.start)) {
            return house;
        }
    }
    return 0;  // not reached: the twelve spans cover the circle
}

}  // namespace sarovin
