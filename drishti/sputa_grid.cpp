#include "drishti/sputa_grid.h"

#include <array>
#include <cstdlib>

namespace sarovin {

namespace {

// The formulas a pair of bodies is judged by.
enum SputaRule : int { GeneralRule, MarsRule, JupiterRule, SaturnRule, RULE_COUNT };

constexpr bool Involves(int row, int column, BodySlot body) {
    return row == body || column == body;
}

// Mars takes precedence over Jupiter, and Jupiter over Saturn.
constexpr SputaRule RuleOf(int row, int column) {
    if (Involves(row, column, Mars)) {
        return MarsRule;
    }
    if (Involves(row, column, Jupiter)) {
        return JupiterRule;
    }
    if (Involves(row, column, Saturn)) {
        return SaturnRule;
    }
    return GeneralRule;
}

constexpr std::array<std::array<SputaRule, BODY_COUNT>, BODY_COUNT> PAIR_RULES = [] {
    std::array<std::array<SputaRule, BODY_COUNT>, BODY_COUNT> rules{};
    for (int row = 0; row < BODY_COUNT; ++row) {
        for (int column = 0; column < BODY_COUNT; ++column) {
            rules[row][column] = RuleOf(row, column);
        }
    }
    return rules;
}();

const SputaBand& BandOf(int distance) {
    for (const SputaBand& band : SputaBandTable) {
        if (band.lower <= distance && distance <= band.upper) {
            return band;
        }
    }
    // Distances of whole-degree longitudes stay below 360.
    return SputaBandTable.back();
}

// A special rule applies only in the bands that carry its formula.
int StrengthUnder(SputaRule rule, int distance) {
    const SputaBand& band = BandOf(distance);
    if (rule == MarsRule && band.mars) {
        return SputaStrengthMars(band, distance);
    }
    if (rule == JupiterRule && band.jupiter) {
        return SputaStrengthJupiter(band, distance);
    }
    if (rule == SaturnRule && band.saturn) {
        return SputaStrengthSaturn(band, distance);
    }
    return SputaStrengthGeneral(band, distance);
}

// The strength of every distance the bands cover under every rule, worked
// out once from the formulas so that a reading only looks them up.
constexpr int TABULATED_DISTANCES = 361;
using StrengthTable = std::array<std::array<std::int16_t, TABULATED_DISTANCES>, RULE_COUNT>;

const StrengthTable& Strengths() {
    static const StrengthTable table = [] {
        StrengthTable strengths{};
        for (int rule = 0; rule < RULE_COUNT; ++rule) {
            for (int distance = 0; distance < TABULATED_DISTANCES; ++distance) {
                strengths[rule][distance] = static_cast<std::int16_t>(
                    StrengthUnder(static_cast<SputaRule>(rule), distance));
            }
        }
        return strengths;
    }();
    return table;
}

// A distance the table does not hold, which no body table of real
// positions gives, is worked out from the bands.
std::int16_t PairStrength(const StrengthTable& strengths, int row, int column, int distance) {
    const SputaRule rule = PAIR_RULES[row][column];
    return distance < TABULATED_DISTANCES
               ? strengths[rule][distance]
               : static_cast<std::int16_t>(StrengthUnder(rule, distance));
}

}  // namespace

SputaGrid ComputeSputaGrid(const BodyTable& bodies) {
    return SputaGridOf(ComputeSputaDistances(bodies));
}

// Distance and rule are the same both ways round, so each pair is worked
// out once and written to both of its cells.
SputaDistances ComputeSputaDistances(const BodyTable& bodies) {
    SputaDistances distances{};
    for (int row = 0; row < BODY_COUNT; ++row) {
        for (int column = row; column < BODY_COUNT; ++column) {
            const auto distance = static_cast<std::int16_t>(
                SputaDistance(bodies.entries[row].place, bodies.entries[column].place));
            distances[row][column] = distance;
            distances[column][row] = distance;
        }
    }
    return distances;
}

SputaGrid SputaGridOf(const SputaDistances& distances) {
    const StrengthTable& strengths = Strengths();
    SputaGrid grid{};
    for (int row = 0; row < BODY_COUNT; ++row) {
        for (int column = 0; column < BODY_COUNT; ++column) {
            grid[row][column] = PairStrength(strengths, row, column, distances[row][column]);
        }
    }
    return grid;
}

// Whole degrees from the start of Aries; the minutes are ignored.
int SputaDistance(const SignDms& first, const SignDms& second) {
    return std::abs((30 * first.sign + first.degrees) - (30 * second.sign + second.degrees));
}

}  // namespace sarovin
