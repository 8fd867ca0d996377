#include "drishti/sputa_drishti.h"

#include <cstdlib>

#include "drishti/drishti_row.h"
#include "drishti/sign_names.h"

namespace sarovin {

namespace {

const SputaBand& BandOf(int distance) {
    for (const SputaBand& band : SputaBandTable) {
        if (band.lower <= distance && distance <= band.upper) {
            return band;
        }
    }
    // Distances of whole-degree longitudes stay below 360.
    return SputaBandTable.back();
}

bool Involves(int row, int column, BodySlot body) {
    return row == body || column == body;
}

// Mars takes precedence over Jupiter, and Jupiter over Saturn; a special
// rule applies only in the bands that carry its formula.
int Strength(int row, int column, int distance) {
    const SputaBand& band = BandOf(distance);
    if (Involves(row, column, Mars)) {
        return band.mars ? SputaStrengthMars(band, distance) : SputaStrengthGeneral(band, distance);
    }
    if (Involves(row, column, Jupiter)) {
        return band.jupiter ? SputaStrengthJupiter(band, distance)
                            : SputaStrengthGeneral(band, distance);
    }
    if (Involves(row, column, Saturn)) {
        return band.saturn ? SputaStrengthSaturn(band, distance)
                           : SputaStrengthGeneral(band, distance);
    }
    return SputaStrengthGeneral(band, distance);
}

}  // namespace

SputaDrishti ComputeSputaDrishti(const BodyTable& bodies) {
    std::array<int, BODY_COUNT> longitudes{};
    for (int body = 0; body < BODY_COUNT; ++body) {
        // Whole degrees from the start of Aries; the minutes are ignored.
        const SignDms& place = bodies.entries[body].place;
        longitudes[body] = 30 * place.sign + place.degrees;
    }
    SputaDrishti result;
    // Distance and rule are the same both ways round, so each pair is
    // computed once and written to both of its cells.
    for (int row = 0; row < BODY_COUNT; ++row) {
        for (int column = row; column < BODY_COUNT; ++column) {
            // The plain difference: neither folded to 180 nor directed.
            const int distance = std::abs(longitudes[row] - longitudes[column]);
            const auto strength = static_cast<std::int16_t>(Strength(row, column, distance));
            result.grid[row][column] = strength;
            result.grid[column][row] = strength;
        }
    }
    for (int body = 0; body < BODY_COUNT; ++body) {
        const BodyEntry& entry = bodies.entries[body];
        result.rowCaptions[body] = Concat({entry.englishName, "/", entry.vedicName});
        result.columnCaptions[body] = entry.englishName;
        result.positionCaptions[body] = entry.position;
    }
    return result;
}

}  // namespace sarovin
