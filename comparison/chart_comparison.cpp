#include "comparison/chart_comparison.h"

#include <algorithm>

namespace sarovin {

namespace {

CrossSputa SputaAcross(const Sky& from, const Sky& onto) {
    CrossSputa cross;
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        const double longitude = from.bodies.entries[planet].longitude;
        for (int body = 0; body < BODY_COUNT; ++body) {
            cross.onBodies[planet][body] = ClassicalSputaStrength(
                planet, AspectAngle(longitude, onto.bodies.entries[body].longitude));
        }
    }
    if (onto.lagna) {
        cross.onLagna.emplace();
        for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
            (*cross.onLagna)[planet] = ClassicalSputaStrength(
                planet, AspectAngle(from.bodies.entries[planet].longitude, *onto.lagna));
        }
    }
    return cross;
}

// The aspected signs come from the Graha Drishti of `from` alone, so the
// counts are the Graha tab's; every one of the other chart's nine bodies
// standing in them is named.
std::array<GrahaAcross, GRAHA_ROWS> GrahaAcrossOf(const Sky& from, const Sky& onto) {
    const std::array<DrishtiRow, GRAHA_ROWS> rows = ComputeGrahaDrishti(from.bodies);
    std::array<GrahaAcross, GRAHA_ROWS> across{};
    for (int body = 0; body < GRAHA_ROWS; ++body) {
        across[body].signs = rows[body].aspected.signs;
        for (int other = 0; other < BODY_COUNT; ++other) {
            across[body].bodies[other] = across[body].signs[onto.bodies.entries[other].place.sign];
        }
    }
    return across;
}

std::vector<MutualAspect> MutualAspects(const CrossSputa& aOnB, const CrossSputa& bOnA) {
    std::vector<MutualAspect> mutual;
    for (int aBody = 0; aBody < ASPECTING_PLANETS; ++aBody) {
        for (int bBody = 0; bBody < ASPECTING_PLANETS; ++bBody) {
            const double there = aOnB.onBodies[aBody][bBody];
            const double back = bOnA.onBodies[bBody][aBody];
            if (there >= STRONG_VIRUPAS && back >= STRONG_VIRUPAS) {
                mutual.push_back({aBody, bBody, there, back});
            }
        }
    }
    std::stable_sort(mutual.begin(), mutual.end(), [](const auto& left, const auto& right) {
        return left.aOnB + left.bOnA > right.aOnB + right.bOnA;
    });
    return mutual;
}

}  // namespace

ChartComparison CompareCharts(const Sky& a, const Sky& b) {
    ChartComparison comparison;
    comparison.aOnB = SputaAcross(a, b);
    comparison.bOnA = SputaAcross(b, a);
    comparison.grahaAOnB = GrahaAcrossOf(a, b);
    comparison.grahaBOnA = GrahaAcrossOf(b, a);
    comparison.mutual = MutualAspects(comparison.aOnB, comparison.bOnA);
    return comparison;
}

ChartComparison CompareReadings(const Calculation& a, const Calculation& b) {
    ChartComparison comparison = CompareCharts(a.sky, b.sky);
    comparison.sameBirth = a.record == b.record;
    return comparison;
}

}  // namespace sarovin
